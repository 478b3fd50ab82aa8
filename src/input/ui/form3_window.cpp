#include "input/ui/form3_window.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

// The strip's picture: a small beam section with its bars.
QPixmap section_picture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(size * 0.25, size * 0.1, size * 0.5, size * 0.8);
    painter.setPen(QPen(QColor(40, 40, 90), 2));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(body);
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    const double r = size * 0.06;
    for (double x : {body.left() + 2.5 * r, body.center().x(), body.right() - 2.5 * r})
        painter.drawEllipse(QPointF(x, body.bottom() - 2.5 * r), r, r);
    return picture;
}

}  // namespace

Form3Window::Form3Window(Form3& model, std::function<void()> after, QWidget* parent)
    : ModelView(parent), model_(model), after_(std::move(after)) {
    setObjectName("Form3");
    setWindowTitle("Titolo progetto");
    binder_ = new ControlBinder(model_, after_, this);
    auto* picture = static_cast<QLabel*>(binder_->bind("Picture1"));
    picture->setPixmap(section_picture(40));
    title_ = new QComboBox;
    title_->setObjectName("Text1");
    title_->setEditable(true);
    title_->setInsertPolicy(QComboBox::NoInsert);
    // The title stays as typed: a completion from the list would show text the model has not got.
    title_->setCompleter(nullptr);
    title_->setMinimumWidth(title_->fontMetrics().horizontalAdvance('x') * 40);
    title_->setMaximumWidth(title_->fontMetrics().horizontalAdvance('x') * 90);
    title_->installEventFilter(this);
    title_->lineEdit()->installEventFilter(this);
    QWidget* heading = binder_->bind("Label2");
    QFont heading_font = heading->font();
    heading_font.setFamilies({"Copperplate Gothic Light", "Liberation Serif", "serif"});
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.4);
    heading_font.setCapitalization(QFont::AllUppercase);
    heading->setFont(heading_font);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(picture);
    layout->addWidget(title_, 1);
    layout->addSpacing(16);
    layout->addWidget(heading);
    layout->addStretch(0);
    setFixedHeight(to_pixels(model_.height));

    connect(title_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.type("Text1", text.toStdString());
        if (after_) after_();
    });
    connect(title_, &QComboBox::activated, this, [this](int index) {
        model_.choose("Text1", title_->itemText(index).toStdString());
        if (after_) after_();
    });
    refresh();
}

void Form3Window::refresh() {
    binder_->refresh();
    const Control& title = *model_.find("Text1");
    const QSignalBlocker blocker(title_);
    const QSignalBlocker edit_blocker(title_->lineEdit());
    QStringList items;
    for (const std::string& item : title.items) items << QString::fromStdString(item);
    QStringList shown;
    for (int i = 0; i < title_->count(); ++i) shown << title_->itemText(i);
    const QString text = QString::fromStdString(title.text);
    if (shown != items) {
        title_->clear();
        title_->addItems(items);
        title_->setEditText(text);
    }
    if (title_->currentText() != text) title_->setEditText(text);
    if (model_.has_focus()) {
        model_.focus_given();
        title_->setFocus(Qt::OtherFocusReason);
        title_->lineEdit()->setSelection(model_.sel_start(), std::min<int>(model_.sel_length(), text.size()));
    }
}

bool Form3Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == title_ && event->type() == QEvent::KeyPress && next_ && next_->isEnabled() &&
        next_->isVisible()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            next_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    if (watched == title_->lineEdit()) {
        if (event->type() == QEvent::MouseButtonPress) model_.press("Text1");
        // The press places the cursor; the whole title is selected once the button is up.
        if (event->type() == QEvent::MouseButtonRelease && model_.sel_length() > 0) {
            title_->lineEdit()->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvexa
