#pragma once

#include <QAbstractListModel>

namespace wendle {

class AppletDocument;

// The button list as a model over the document: one row per button in
// creation order, showing its name. Renaming a row is an edit of the
// document ("Rename Button"), so it can be undone.
class ButtonListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit ButtonListModel(AppletDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The slot of a row, or -1.
    int slotAt(int row) const;
    // The row of a slot, or -1.
    int rowOf(int slot) const;

  private:
    void buttonsChanged(const QList<int>& changed);

    AppletDocument& document_;
};

}  // namespace wendle
