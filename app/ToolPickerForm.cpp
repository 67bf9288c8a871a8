#include "app/ToolPickerForm.h"

#include "app/Platform.h"
#include "app/PostedMessage.h"
#include "app/Wizard.h"
#include "app/WizardFlow.h"
#include "chrome/QtText.h"
#include "chrome/RadioGroup.h"
#include "chrome/WizardControls.h"
#include "host/HostEditorLink.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace vorrel {

namespace {
// A stand-in glyph for the Preview button: a magnifying glass over a page.
QPixmap previewGlyph() {
    QPixmap glyph(28, 26);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(3, 2, 15, 19);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(200, 230, 255));
    painter.drawEllipse(QPointF(16, 12), 6, 6);
    painter.setPen(QPen(QColor(128, 64, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20.5, 16.5), QPointF(25, 22));
    return glyph;
}
} // namespace

ToolPickerForm::ToolPickerForm(Wizard& wizard)
    : TGradientForm(QStringLiteral("ToolPickerForm"), toQString(kCaption)), wizard_(wizard) {
    createControls();
    FormCreate();
}

void ToolPickerForm::createControls() {
    addWizardFrame(this, QRect(13, 10, 109, 176));

    Label1 = addLabel(this, QStringLiteral("Label1"),
                      tr("Double-click one of the tools to insert it into your HTML document."),
                      QRect(162, 19, 218, 35), true);
    lb1 = new QListWidget(this);
    lb1->setObjectName(QStringLiteral("lb1"));
    lb1->setGeometry(162, 56, 219, 76);
    lb1->setSelectionMode(QAbstractItemView::SingleSelection);
    lb1->setUniformItemSizes(true);
    for (const QString& name : toQStringList(kToolNames)) {
        auto* item = new QListWidgetItem(name, lb1);
        item->setSizeHint(QSize(0, 13));
    }
    connect(lb1, &QListWidget::itemDoubleClicked, this, [this] { bb1Click(); });

    Label2 = addLabel(this, QStringLiteral("Label2"),
                      tr("To see an example of the tools, select a preview mode and click "
                         "Preview."),
                      QRect(162, 141, 216, 32), true);
    rg1 = new RadioGroup(tr("Preview Mode"), toQStringList(kPreviewModeNames), this);
    rg1->setObjectName(QStringLiteral("rg1"));
    rg1->setGeometry(162, 175, 215, 61);
    rg1->setItemIndex(int(PreviewMode::WholePage));

    bb1 = new QPushButton(this);
    bb1->setObjectName(QStringLiteral("bb1"));
    bb1->setGeometry(331, 191, 35, 35);
    bb1->setIcon(previewGlyph());
    bb1->setIconSize(QSize(28, 26));
    bb1->setToolTip(tr("Preview highlighted example"));

    BitBtn2 = addButton(this, "BitBtn2", tr("Help"), {10, 257, 81, 25});
    BitBtn1 = addButton(this, "BitBtn1", tr("Next >>"), {242, 257, 81, 25}, [this] { bb1Click(); });
    BitBtn1->setToolTip(tr("Insert into HTML Document"));
    bb3 = addButton(this, "bb3", tr("Cancel"), {331, 257, 81, 25}, [this] { lb1dblclick(); });
    setDefaultButton(BitBtn1);

    useControlFont();
    setTabOrder();
}

void ToolPickerForm::setTabOrder() {
    QWidget::setTabOrder(bb1, bb3);
    QWidget::setTabOrder(bb3, lb1);
    QWidget* previous = lb1;
    for (QWidget* item : rg1->findChildren<QWidget*>()) {
        QWidget::setTabOrder(previous, item);
        previous = item;
    }
    QWidget::setTabOrder(previous, BitBtn1);
    QWidget::setTabOrder(BitBtn1, BitBtn2);
}

void ToolPickerForm::FormCreate() {
    firstShow_ = true;
    noHost_ = !wizard_.host().wexdorRunning();
    qApp->installEventFilter(this);
    lb1->setCurrentRow(int(ScriptTool::Clock));
    // The help file comes with the help window.
}

void ToolPickerForm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::ToolPicker);
    if (noHost_ && firstShow_) {
        // The splash for a run without host comes with the splash window.
        firstShow_ = false;
    }
}

void ToolPickerForm::FormClose() {
    wizard_.endProgram();
}

ScriptTool ToolPickerForm::selectedTool() const {
    const QList<QListWidgetItem*> selected = lb1->selectedItems();
    return selected.isEmpty() ? ScriptTool::None : toolFromIndex(lb1->row(selected.front()));
}

void ToolPickerForm::readInto(WizardState& state) const {
    state.tool = selectedTool();
}

void ToolPickerForm::bb1Click() {
    wizard_.guarded([this] {
        wizard_.plan().clearTexts();
        const auto page = firstPageFor(selectedTool());
        if (!page) {
            wizard_.messages().showPlain(std::string(kNoToolMessage));
            return;
        }
        wizard_.moveTo(*page);
    });
}

void ToolPickerForm::lb1dblclick() {
    wizard_.endProgram();
}

bool ToolPickerForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == PostedMessage::eventType())
        return AppMessage(event);
    // Enter on the list is the keyboard's double-click. The hook is application-wide, so it
    // sees the list's keys before the list does.
    if (watched == lb1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            bb1Click();
            return true;
        }
    }
    return TGradientForm::eventFilter(watched, event);
}

bool ToolPickerForm::AppMessage(QEvent* event) {
    if (static_cast<PostedMessage*>(event)->number() == kQuitMessage)
        wizard_.endProgram();
    return false;
}

} // namespace vorrel
