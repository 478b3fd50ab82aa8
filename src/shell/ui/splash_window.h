#pragma once

#include <QTimer>
#include <QWidget>

#include "shell/startup.h"

namespace norvexa {

// The frameless splash window: titles, four pictures and the credits, unrolling from the
// top while the model ticks. The program starts on the model's last tick or on a click.
class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int window_width = 600;  // pixels

    // Does not start the timer; start() does.
    explicit SplashWindow(QWidget* parent = nullptr);

    Form2& model() { return model_; }

    // Shows the window rolled up and starts unrolling it.
    void start();
    // One tick of the timer: the model ticks on the primary screen's height, the window
    // follows its height and top, and on the model's last tick the program starts.
    void tick();

  signals:
    // Emitted once, on the last tick or on the first click, whichever comes first.
    void start_requested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void place();
    void request_start();

    Form2 model_;
    QTimer timer_;
    bool start_requested_ = false;
};

}  // namespace norvexa
