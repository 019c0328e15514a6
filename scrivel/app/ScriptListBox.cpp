#include "ScriptListBox.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "EditorFonts.h"

namespace scrivel::app {

namespace {

// Every entry is 14 pixels high.
class EntryHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(14);
        return size;
    }
};

}  // namespace

ScriptListBox::ScriptListBox(QWidget* parent) : QListWidget(parent)
{
    setFont(courierFont(11));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new EntryHeightDelegate(this));
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!programChange_) postClick();
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        // A click that changed the selection has already been reported.
        if (index.row() == rowBeforePress_) postClick();
    });
}

void ScriptListBox::postClick()
{
    QMetaObject::invokeMethod(
        this, [this] { if (onClick_) onClick_(); }, Qt::QueuedConnection);
}

void ScriptListBox::mousePressEvent(QMouseEvent* event)
{
    rowBeforePress_ = currentRow();
    QListWidget::mousePressEvent(event);
}

void ScriptListBox::clear()
{
    programChange_ = true;
    QListWidget::clear();
    programChange_ = false;
}

void ScriptListBox::add(const std::string& entry)
{
    programChange_ = true;
    addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    programChange_ = false;
}

int ScriptListBox::count() const
{
    return QListWidget::count();
}

void ScriptListBox::select(int index)
{
    programChange_ = true;
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(index);
        scrollToItem(item(index));
    }
    programChange_ = false;
}

int ScriptListBox::selected() const
{
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.first());
}

std::string ScriptListBox::entry(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text().toLatin1().toStdString() : std::string();
}

void ScriptListBox::setHint(const std::string& hint)
{
    setToolTip(QString::fromStdString(hint));
}

void ScriptListBox::focus()
{
    setFocus(Qt::OtherFocusReason);
}

}  // namespace scrivel::app
