#include "components/gridproxy.h"

#include "common/numberformat.h"
#include "components/colours.h"
#include "components/gridmodel.h"

#include <QBrush>

namespace tq {

namespace {

bool isColourNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

QVariant GridProxy::brushFor(const QVariant &value)
{
    if (!isColourNumber(value))
        return value;
    return QBrush(colorFromNumber(quint32(value.toULongLong())));
}

// Line breaks as the grid draws them and colour numbers as brushes, in
// items and headings alike.
QVariant GridProxy::shownAsGrid(const QVariant &value, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return value.typeId() == QMetaType::QString ? GridModel::displayText(value.toString()) : value;
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        return brushFor(value);
    default:
        return value;
    }
}

QVariant GridProxy::data(const QModelIndex &index, int role) const
{
    const QVariant value = QIdentityProxyModel::data(index, role);
    if (role == Qt::TextAlignmentRole && !value.isValid()) {
        // As the grid's own cells: numbers right, other texts left.
        const bool number = strictNumber(index.data(Qt::DisplayRole).toString()).has_value();
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return shownAsGrid(value, role);
}

QVariant GridProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant value = QIdentityProxyModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole && !value.isValid())
        return int(Qt::AlignCenter);
    return shownAsGrid(value, role);
}

} // namespace tq
