#include "shell/ui/help_window_view.h"

#include <algorithm>
#include <utility>

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "common/ui/twips.h"
#include "shell/ui/help_rich_text.h"

namespace norvexa {
namespace {

QString qstring(const std::string& text) { return QString::fromStdString(text); }

WindowPlace in_twips(const QRect& rect) {
    return {to_twips(rect.x()), to_twips(rect.y()), to_twips(rect.width()), to_twips(rect.height())};
}

// A child window's outer top-left corner on the screen; a window's own for a top-level one.
QPoint screen_top_left(const QWidget& window) {
    return window.parentWidget() && !window.isWindow() ? window.parentWidget()->mapToGlobal(window.pos())
                                                       : window.pos();
}

MainWindowPlace main_place(const QWidget& main) {
    MainWindowPlace place;
    place.place = in_twips(main.frameGeometry());
    // The frame around the client area, to carry the restored client rectangle to outer edges.
    const QRect frame = main.frameGeometry(), client = main.geometry();
    const QRect normal = main.normalGeometry().isValid() ? main.normalGeometry() : client;
    place.normal_place = in_twips(normal.adjusted(frame.left() - client.left(), frame.top() - client.top(),
                                                  frame.right() - client.right(), frame.bottom() - client.bottom()));
    place.state = main.isMaximized()   ? WindowState::maximised
                  : main.isMinimized() ? WindowState::minimised
                                       : WindowState::normal;
    return place;
}

}  // namespace

HelpWindowView::HelpWindowView(HelpWindow& model, std::function<void()> after, QWidget* parent)
    : ModelView(parent, Qt::Window), model_(model), after_(std::move(after)) {
    setObjectName("help");
    setWindowTitle(qstring(model_.caption));
    setMouseTracking(true);
    binder_ = new ControlBinder(model_, [this] { handled(); }, this);

    menu_bar_ = new QMenuBar(this);
    QMenu* menu = menu_bar_->addMenu(qstring(model_.menu_caption));
    menu->setObjectName("guida");
    QAction* ch = menu->addAction(qstring(model_.find("ch")->text));
    ch->setObjectName("ch");
    connect(ch, &QAction::triggered, this, [this] {
        model_.click("ch");
        handled();
    });

    QWidget* heading = binder_->bind("Label1");
    QFont heading_font = heading->font();
    heading_font.setFamilies({"Times New Roman", "Liberation Serif", "serif"});
    heading_font.setBold(true);
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.5);
    heading->setFont(heading_font);

    manual_ = new QTextEdit;
    manual_->setObjectName("RichTextBox1");
    manual_->setReadOnly(true);
    manual_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Read, never typed into: any focus it gets moves on to "Chiudi".
    manual_->setFocusPolicy(Qt::NoFocus);
    manual_->installEventFilter(this);
    manual_->viewport()->setMouseTracking(true);
    manual_->viewport()->installEventFilter(this);

    lh_ = new QLineEdit;
    lh_->setObjectName("lh");
    lh_->setReadOnly(true);
    lh_->setFocusPolicy(Qt::NoFocus);
    lh_->installEventFilter(this);

    close_ = static_cast<QPushButton*>(binder_->bind("Command2"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lh_, 1);
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu_bar_);
    layout->addWidget(heading);
    layout->addWidget(manual_, 1);
    layout->addLayout(bottom);
    show_manual();
    refresh();
}

void HelpWindowView::guida(QWidget& main_window, const QWidget& input_window, const QWidget& analysis_window) {
    MainWindowPlace main = main_place(main_window);
    const QPoint analysis = screen_top_left(analysis_window);
    model_.guida(main, to_twips(input_window.width()), to_twips(analysis.x()), to_twips(analysis.y()));
    place_shown_ = {};  // placed anew even where the user had moved it
    if (main_window.isMaximized() || main_window.isMinimized()) main_window.showNormal();
    const int frame_width = main_window.frameGeometry().width() - main_window.width();
    const int width = to_pixels(main.place.width) - frame_width;
    if (width < main_window.width()) main_window.resize(width, main_window.height());
    handled();
    bring_to_front();
}

void HelpWindowView::guidanon(const QWidget& main_window, const QWidget& analysis_window) {
    const QPoint analysis = screen_top_left(analysis_window);
    model_.guidanon(main_place(main_window), to_twips(analysis.x()), to_twips(analysis.y()));
    place_shown_ = {};
    handled();
    bring_to_front();
}

void HelpWindowView::bring_to_front() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

void HelpWindowView::handled() {
    refresh();
    if (after_) after_();
}

unsigned long HelpWindowView::model_revision() const { return model_.revision() + model_.line_revision(); }

void HelpWindowView::refresh() {
    binder_->refresh();
    const QString line = qstring(model_.lh());
    if (lh_->text() != line) {
        lh_->setText(line);
        lh_->setCursorPosition(0);
    }
    if (model_.is_visible()) {
        if (!(place_shown_ == model_.place()) || !isVisible()) {
            place_shown_ = model_.place();
            apply_place();
            if (!isVisible()) {
                show();
                apply_place();  // the window's frame is known once it shows
            }
        }
    } else if (isVisible()) {
        hide();
    }
    // After the window takes its size, so that the manual is laid out once, at its width.
    if (manual_shown_ != model_.manual_revision()) show_manual();
    if (!model_.focus().empty()) {
        model_.focus_given();
        close_->setFocus(Qt::OtherFocusReason);
    }
}

// The manual is built in a document of its own and handed to the editor whole. Filled in
// the editor's document, the text would carry the editor's cursor along to its end, and
// bringing the cursor back would lay out the whole manual at once; a new document opens
// with the cursor at its beginning and the editor lays it out a screenful at a time.
void HelpWindowView::show_manual() {
    manual_shown_ = model_.manual_revision();
    auto* document = new QTextDocument(manual_);
    document->setUndoRedoEnabled(false);  // read, never edited
    document->setDefaultFont(manual_->font());
    fill_text_document(*document, model_.RichTextBox1());
    // Measured for the editor's screen, and not laid out before the editor gives the page its
    // width: a null page size holds the layout back, as the editor does with its first document.
    document->setPageSize(QSizeF(0, 0));
    document->documentLayout()->setPaintDevice(manual_->viewport());
    manual_->setDocument(document);
    // The editor deletes its own first document; the ones made here go once replaced.
    delete std::exchange(manual_document_, document);
}

// The model's place is the outer edges, frame included, as the main window's is.
void HelpWindowView::apply_place() {
    const QSize frame = frameGeometry().size() - size();
    const WindowPlace& place = model_.place();
    move(to_pixels(place.left), to_pixels(place.top));
    resize(std::max(1, to_pixels(place.width) - frame.width()), std::max(1, to_pixels(place.height) - frame.height()));
}

bool HelpWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == lh_) {
            model_.lh_GotFocus();
            handled();
        } else if (watched == manual_) {
            model_.RichTextBox1_GotFocus();
            handled();
        }
    } else if (event->type() == QEvent::MouseMove && watched == manual_->viewport()) {
        model_.RichTextBox1_MouseMove();
        handled();
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindowView::mouseMoveEvent(QMouseEvent* event) {
    // Only the bare background: the other controls have no pointer help of their own.
    if (!childAt(event->position().toPoint())) {
        model_.Form_MouseMove();
        handled();
    }
    QWidget::mouseMoveEvent(event);
}

void HelpWindowView::closeEvent(QCloseEvent* event) {
    if (model_.is_visible()) {
        model_.click("Command2");
        handled();
    }
    event->accept();
}

}  // namespace norvexa
