#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace amp::bench {

// Counts the paint events of a widget, so that a benchmark can wait until a change is painted.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

  private:
    int count_ = 0;
};

// Runs the event loop until the widget has been painted once more than paintsBefore.
inline void ProcessEventsUntilPainted(const PaintCounter& counter, int paintsBefore) {
    while (counter.Count() == paintsBefore) QApplication::processEvents();
}

}  // namespace amp::bench
