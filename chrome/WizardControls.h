#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <initializer_list>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace vorrel {

// Controls placed at fixed client positions, named after their role so that tests find them.
// A button whose click runs `onClick`.
QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                       const std::function<void()>& onClick = {});
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect place,
                 bool wrapped = false);

// Tab moves through the widgets in the order given.
void setTabChain(std::initializer_list<QWidget*> widgets);

// The frame every wizard window shares: the raised bevel over the upper area, the side picture's
// paint box and the panel under it that holds the bottom buttons. Returns the panel.
struct WizardFrame {
    QFrame* bevel;
    QWidget* picture;
    QFrame* panel;
};
WizardFrame addWizardFrame(QWidget* form, QRect picturePlace);

} // namespace vorrel
