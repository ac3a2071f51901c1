#pragma once
// The long lists of fixed-width text rows: a model of row texts, each row
// remembering the record it came from, and a view drawn in a fixed-pitch font
// with uniform item sizes so that 100,000 rows load at once.

#include "lists/ListRow.h"

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QVector>

class RowListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RowListModel(QObject *parent = nullptr)
        : QAbstractListModel(parent)
    {
    }
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void setRows(QVector<ListRow> rows);
    const QVector<ListRow> &rows() const { return m_rows; }
    void setFont(const QFont &font) { m_font = font; }

private:
    QVector<ListRow> m_rows;
    QFont m_font;
};

class RowListView : public QListView {
    Q_OBJECT
public:
    RowListView(const QString &name, int pointSize, QWidget *parent = nullptr);

    // Sorts with the list order (a-z without case, the rest by code) and shows.
    void setSortedRows(QVector<ListRow> rows);
    // Shows the rows in the order given.
    void setRows(QVector<ListRow> rows);
    void clear() { setRows({}); }

    RowListModel *rowModel() const { return m_model; }
    int count() const { return m_model->rowCount(); }
    QString text(int row) const { return m_model->rows().value(row).text; }
    QStringList texts() const;
    int currentRow() const;
    void setCurrentRow(int row);
    void setItemWidth(int width);
    // Tightens (negative) or widens the space between the characters, the
    // font staying the same.
    void setCharacterSpacing(qreal pixels);

signals:
    // A double-click where there is no row.
    void emptyAreaDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    RowListModel *m_model;
    int m_itemWidth = 1600;
};
