#pragma once
// A modal window with a grid of text cells that can be exported to a
// spreadsheet: the payment summaries and the contacts registry share it.

#include "export/GridTable.h"
#include "export/OfficeHtmlWorkbook.h"
#include "ui/windows/HelpTexts.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QSet>
#include <QStringList>
#include <QTableView>
#include <QVector>

#include <map>
#include <utility>

class InfoBar;
class QLabel;
class PictureButton;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The empty rows a grid shows before it is filled, and keeps when the
    // archive holds no record.
    static constexpr int DesignRows = 10;

    GridModel(QStringList headers, QSet<int> editable, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setRows(GridTable rows);
    // Rows of empty cells, as the grid stands before it is filled.
    void setEmptyRows(int count);
    QString cell(int row, int column) const;

private:
    QStringList m_headers;
    QSet<int> m_editable;
    GridTable m_rows;
    // The cells the user changed, over the ones read: few, and only for the export.
    std::map<std::pair<int, int>, QString> m_edits;
};

// A table view that can hand an edit still open in a cell to the model.
class GridView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;
    void commitPendingEdit();
    // How wide a column's texts on screen are.
    int contentWidth(int column) const { return sizeHintForColumn(column); }
};

class GridWindow : public QDialog {
    Q_OBJECT
public:
    GridWindow(const QString &name, const QString &caption, const QString &title, const QStringList &headers,
               const QVector<int> &editable, const ExportLayout &layout, QWidget *parent = nullptr);

    GridModel *model() const { return m_model; }

    // The export of what the grid shows now, edits included.
    void exportGrid();
    void setHelp(const HelpTopic &topic) { m_help = topic; }

protected:
    void showEvent(QShowEvent *event) override;
    // Fills the grid; called once, when the window is first shown.
    virtual void fill() = 0;
    void setColumnWidths(const QVector<int> &widths);
    // Widens the columns to the texts shown.
    void fitColumns();
    // The archive could not be read (at all, or to the end): the user is told,
    // and the export is not offered, since it would write a grid that looks
    // complete and is not.
    void readFailed();

private:
    GridView *grdRecords;
    // The title band's text: what the grid shows.
    QLabel *lblTitolo;
    PictureButton *cmdEsporta, *cmdGuida, *cmdEsci;
    InfoBar *panInfo;
    GridModel *m_model;
    ExportLayout m_layout;
    HelpTopic m_help;
    bool m_filled = false;
};
