#pragma once

#include <functional>

#include <QWidget>

#include "input/form3.h"

class QComboBox;
class QLabel;

namespace norvexa {

// The title strip: the project title, an editable list of the titles used since start,
// with the program's heading and picture.
class Form3Window : public QWidget {
  public:
    // after: called once the title has handled an event, to refresh every window.
    Form3Window(Form3& model, std::function<void()> after, QWidget* parent = nullptr);

    // Shows the model: title, list, and the focus with its selection when the model gives it.
    void refresh();
    QComboBox* title_field() const { return title_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form3& model_;
    std::function<void()> after_;
    QComboBox* title_;
    QLabel* heading_;
};

}  // namespace norvexa
