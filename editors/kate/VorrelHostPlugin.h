// SPDX-License-Identifier: MIT
#pragma once

#include "ActiveDocumentHost.h"

#include <KTextEditor/Plugin>

#include <QVariantList>

namespace vorrelkate {

class HostAdaptor;

// "Vorrel host" in Kate's plugin list: while it is enabled, Kate serves the wizard's host
// protocol on the session bus. A Kate started while another one serves it waits in the bus
// name's queue and takes over when the first one ends.
class VorrelHostPlugin : public KTextEditor::Plugin {
    Q_OBJECT

public:
    VorrelHostPlugin(QObject* parent, const QVariantList& = {});
    ~VorrelHostPlugin() override;

    // The plugin has nothing to show in a main window.
    QObject* createView(KTextEditor::MainWindow*) override { return nullptr; }

private:
    ActiveDocumentHost host_;
    HostAdaptor* adaptor_ = nullptr;
};

} // namespace vorrelkate
