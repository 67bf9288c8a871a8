#include "chrome/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace vorrel {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    // The caption sits on the frame line, so that three items fit into a short group.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px;"
        " padding-top: 3px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0px 2px; }"));
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        group_->addButton(button, i);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    const auto buttons = group_->buttons();
    if (buttons.isEmpty())
        return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect area =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int rowHeight = area.height() / int(buttons.size());
    for (QAbstractButton* button : buttons)
        button->setGeometry(area.left() + 6, area.top() + group_->id(button) * rowHeight,
                            area.width() - 12, rowHeight);
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = group_->button(index))
        button->setChecked(true);
}

QString RadioGroup::itemText(int index) const {
    const QAbstractButton* button = group_->button(index);
    return button ? button->text() : QString();
}

} // namespace vorrel
