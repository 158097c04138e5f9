#pragma once
// Stands between a Grid and a model it does not own, so that a model built
// on QtCore alone can ask for colours and leave alignment to the grid: see
// "A model of your own" in grid.h.
#include <QIdentityProxyModel>

namespace tq {

class GridProxy : public QIdentityProxyModel
{
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A colour number (0x00BBGGRR) given as an integer becomes a brush;
    // anything else is passed on as it is.
    static QVariant brushFor(const QVariant &value);

private:
    static QVariant shownAsGrid(const QVariant &value, int role);
};

} // namespace tq
