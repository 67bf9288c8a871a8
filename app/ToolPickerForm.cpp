// SPDX-License-Identifier: MIT
#include "app/ToolPickerForm.h"

#include "app/Platform.h"
#include "app/PostedMessage.h"
#include "app/PreviewPages.h"
#include "app/Wizard.h"
#include "app/WizardFlow.h"
#include "chrome/Bitmaps.h"
#include "chrome/PaintBox.h"
#include "chrome/RadioItems.h"
#include "chrome/WayOut.h"
#include "host/HostEditorLink.h"
#include "ui_ToolPickerForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRgb>
#include <QTimer>

namespace vorrel {

ToolPickerForm::ToolPickerForm(Wizard& wizard)
    : WizardPage(wizard), ui(std::make_unique<Ui::ToolPickerForm>()),
      ExecFile1(wizard.processes()) {
    ExecFile1.Associate = true;
    ExecFile1.Wait = false;
    ui->setupUi(this);
    pageLoaded();
    ui->bb1->setIcon(glyphPixmap(QStringLiteral("preview"), devicePixelRatioF()));
    for (int row = 0; row < ui->lb1->count(); ++row)
        ui->lb1->item(row)->setSizeHint(QSize(0, 13));
    setDefaultButton(ui->BitBtn1);
    addContextMenu(ui->lb1, ui->WhatsThis1, QStringLiteral("pm1"));

    connect(ui->lb1, &QListWidget::itemDoubleClicked, this, [this] { bb1Click(); });
    onClick(ui->BitBtn1, [this] { bb1Click(); });
    onClick(ui->bb1, [this] { bb2Click(); });
    onClick(ui->BitBtn2, [this] { WhatsThis1Click(); });
    onTriggered(ui->WhatsThis1, [this] { WhatsThis1Click(); });
    onClick(ui->bb3, [this] { lb1dblclick(); });
    markWayOut(ui->bb3);
    FormCreate();
}

ToolPickerForm::~ToolPickerForm() = default;

void ToolPickerForm::FormCreate() {
    firstShow_ = true;
    noHost_ = !wizard_.host().wexdorRunning();
    qApp->installEventFilter(this);
    ui->lb1->setCurrentRow(int(ScriptTool::Clock));
}

void ToolPickerForm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::ToolPicker);
    if (noHost_ && firstShow_) {
        wizard_.splash().show();
        firstShow_ = false;
    }
}

void ToolPickerForm::paintEvent(QPaintEvent* event) {
    WizardPage::paintEvent(event);
    if (!pagesAskedFor_) {
        pagesAskedFor_ = true;
        QTimer::singleShot(0, this, [this] { wizard_.ensurePages(); });
    }
}

ScriptTool ToolPickerForm::selectedTool() const {
    const QList<QListWidgetItem*> selected = ui->lb1->selectedItems();
    return selected.isEmpty() ? ScriptTool::None : toolFromIndex(ui->lb1->row(selected.front()));
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

void ToolPickerForm::bb2Click() {
    const auto mode = static_cast<PreviewMode>(checkedItem(*ui->rg1Items));
    const std::string page =
        wizard_.programFolder() + std::string(previewPageName(selectedTool(), mode));
    if (!noHost_) {
        // An object of its own for this preview, released when it is done.
        wizard_.host().connect()->call("browserpreview", {page});
        return;
    }
    ExecFile1.CommandLine = page;
    ExecFile1.Execute();
}

void ToolPickerForm::PaintWizardPicture(const QString& lowColour, const QString& fullColour,
                                        PaintBox& box, QPainter& painter) {
    const QImage bitmap = loadBitmap(wizard_.screen().colourDepth() > 8 ? fullColour : lowColour,
                                     box.devicePixelRatioF());
    if (bitmap.isNull())
        return;
    const QSize size = bitmap.deviceIndependentSize().toSize();
    if (box.size() != size)
        box.resize(size);
    const QRgb background = bitmap.pixel(0, bitmap.height() - 1);
    const QRgb window = box.palette().color(box.backgroundRole()).rgb();
    QImage shown = bitmap.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if (line[x] == background)
                line[x] = window;
    }
    shown.setDevicePixelRatio(bitmap.devicePixelRatio());
    painter.drawImage(QPointF(0, 0), shown);
}

void ToolPickerForm::lb1dblclick() {
    wizard_.endProgram();
}

// The whole help opens on its first topic, whichever tool the mouse is over.
void ToolPickerForm::WhatsThis1Click() {
    wizard_.help().showTopic(1);
}

bool ToolPickerForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == PostedMessage::eventType())
        return AppMessage(event);
    // Enter on the list is the keyboard's double-click. The hook is application-wide, so it
    // sees the list's keys before the list does.
    if (watched == ui->lb1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            bb1Click();
            return true;
        }
    }
    return WizardPage::eventFilter(watched, event);
}

bool ToolPickerForm::AppMessage(QEvent* event) {
    if (static_cast<PostedMessage*>(event)->number() == kQuitMessage)
        wizard_.endProgram();
    return false;
}

} // namespace vorrel
