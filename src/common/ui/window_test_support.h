#pragma once

// Window-test support: the program's modal message boxes and file dialogs answered as a
// user does, by clicking one of their buttons or pressing a key.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace norvexa {

// Acts on the next modal file dialog as soon as it shows.
inline void when_dialog_shows(std::function<void(QFileDialog&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start(5);
}

// While it lives, every modal QMessageBox that shows is recorded and answered with the
// next queued answer: a click on a button, or a key; a click on OK when none is queued.
class ModalAnswerer {
  public:
    struct Seen {
        std::string title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format;
        std::string detail;  // the informative text
        int width;
    };

    ModalAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }
    void click_next(QMessageBox::StandardButton button) {
        answers_.push_back([button](QMessageBox& box) {
            if (QAbstractButton* shown = box.button(button)) shown->click();
        });
    }
    void press_next(Qt::Key key) {
        answers_.push_back([key](QMessageBox& box) { QTest::keyClick(&box, key); });
    }

    std::vector<Seen> seen;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == answered_) return;
        answered_ = box;
        seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                        box->standardButtons(), box->textFormat(), box->informativeText().toStdString(), box->width()});
        if (answers_.empty()) click_next(QMessageBox::Ok);
        const auto next = std::move(answers_.front());
        answers_.pop_front();
        next(*box);
        answered_ = nullptr;
    }

    QTimer timer_;
    std::deque<std::function<void(QMessageBox&)>> answers_;
    QMessageBox* answered_ = nullptr;
};

}  // namespace norvexa
