#include "chrome/WizardControls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vorrel {

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                       const std::function<void()>& onClick) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    if (onClick)
        QObject::connect(button, &QPushButton::clicked, button, onClick);
    return button;
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    const QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget*>(previous), widget);
        previous = widget;
    }
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect place,
                 bool wrapped) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(wrapped);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (place.size().isEmpty()) {
        label->move(place.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(place);
    }
    return label;
}

WizardFrame addWizardFrame(QWidget* form, QRect picturePlace) {
    auto* bevel = new QFrame(form);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(0, 0, 417, 250);

    auto* picture = new QWidget(form);
    picture->setObjectName(QStringLiteral("pb2"));
    picture->setGeometry(picturePlace);

    auto* panel = new QFrame(form);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 250, 417, 37);
    return {bevel, picture, panel};
}

} // namespace vorrel
