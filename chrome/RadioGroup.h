#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace vorrel {

// A captioned group of radio items, one of which is chosen, read by index.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;

protected:
    // The items share the area under the caption evenly, one below the other.
    void resizeEvent(QResizeEvent* event) override;

signals:
    // The user chose an item (not emitted by setItemIndex).
    void clicked(int index);

private:
    QButtonGroup* group_;
};

} // namespace vorrel
