#pragma once

#include <QFrame>

namespace amp::ui {

// The bordered picture of the amplifier's circuit; it takes no input.
class SchematicView : public QFrame {
    Q_OBJECT

  public:
    explicit SchematicView(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace amp::ui
