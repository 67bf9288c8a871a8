// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

namespace vorrel {

// A place of a window that its handler paints: the side picture.
class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr) : QWidget(parent) {}

    std::function<void(PaintBox& box, QPainter& painter)> onPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vorrel
