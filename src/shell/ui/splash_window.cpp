#include "shell/ui/splash_window.h"

#include <array>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

// The window is drawn for its full height; while it unrolls only the top shows.
constexpr int full_height_pixels = Form2::full_height / twips_per_pixel;

const QColor ink(22, 42, 112);
const QColor red(178, 34, 34);
const QColor concrete(226, 231, 242);
const QColor muted(70, 78, 96);

QFont serif_font(int pixel_size, bool bold, bool italic = false) {
    QFont font(QStringLiteral("serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The font made smaller until the text fits the width.
QFont fitted(QFont font, const QString& text, int width) {
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void draw_bar(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(red.darker(130), 1));
    painter.setBrush(red);
    painter.drawEllipse(centre, radius, radius);
}

// A rectangular beam section with its stirrup, three bars below and two above.
void draw_rectangular_section(QPainter& painter, const QRectF& box) {
    const QRectF section(box.center().x() - 32, box.top() + 4, 64, box.height() - 8);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(concrete);
    painter.drawRect(section);
    const QRectF stirrup = section.adjusted(6, 6, -6, -6);
    painter.setPen(QPen(red, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(stirrup, 4, 4);
    const QRectF bars = stirrup.adjusted(6, 6, -6, -6);
    for (const double x : {bars.left(), bars.center().x(), bars.right()}) draw_bar(painter, {x, bars.bottom()}, 4.5);
    for (const double x : {bars.left(), bars.right()}) draw_bar(painter, {x, bars.top()}, 3.5);
}

// A T section: the flange above, the web below with its bars.
void draw_t_section(QPainter& painter, const QRectF& box) {
    const double left = box.center().x() - 50, right = box.center().x() + 50;
    const double web_left = box.center().x() - 24, web_right = box.center().x() + 24;
    const double top = box.top() + 4, flange = top + 24, bottom = box.bottom() - 4;
    const QPolygonF outline{{left, top},       {right, top},        {right, flange},  {web_right, flange},
                            {web_right, bottom}, {web_left, bottom}, {web_left, flange}, {left, flange}};
    painter.setPen(QPen(ink, 2));
    painter.setBrush(concrete);
    painter.drawPolygon(outline);
    painter.setPen(QPen(red, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(web_left + 5, top + 5, web_right - web_left - 10, bottom - top - 10), 3, 3);
    for (const double x : {web_left + 12.0, box.center().x(), web_right - 12.0}) draw_bar(painter, {x, bottom - 11}, 4);
    for (const double x : {web_left + 12.0, web_right - 12.0}) draw_bar(painter, {x, top + 11}, 3);
}

// A beam seen from the side: bars along it, stirrups across, closer near the supports.
void draw_beam_elevation(QPainter& painter, const QRectF& box) {
    const QRectF beam(box.left() + 4, box.center().y() - 30, box.width() - 8, 60);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(concrete);
    painter.drawRect(beam);
    const QRectF cage = beam.adjusted(4, 6, -4, -6);
    painter.setPen(QPen(red, 1.2));
    constexpr std::array<double, 12> stirrups{0, 5, 10, 16, 24, 34, 66, 76, 84, 90, 95, 100};
    for (const double at : stirrups) {
        const double x = cage.left() + cage.width() * at / 100;
        painter.drawLine(QPointF(x, cage.top()), QPointF(x, cage.bottom()));
    }
    painter.setPen(QPen(red, 2.5));
    painter.drawLine(cage.topLeft(), cage.topRight());
    painter.drawLine(cage.bottomLeft(), cage.bottomRight());
    // The supports under the ends.
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const double x : {beam.left() + 8, beam.right() - 8}) {
        const double y = beam.bottom();
        painter.drawPolygon(QPolygonF{{x, y}, {x - 7, y + 11}, {x + 7, y + 11}});
    }
}

// The section's stresses at the ultimate state: the parabola-rectangle block in
// compression above the neutral axis, the steel force below.
void draw_stress_diagram(QPainter& painter, const QRectF& box) {
    const double top = box.top() + 4, bottom = box.bottom() - 4;
    const QRectF section(box.left() + 6, top, 30, bottom - top);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(concrete);
    painter.drawRect(section);
    draw_bar(painter, {section.center().x(), bottom - 8}, 4);

    const double axis_x = section.right() + 18, depth = 0.45 * (bottom - top), width = 40;
    const double neutral = top + depth, plateau = top + depth * 3 / 7;
    QPainterPath block;
    block.moveTo(axis_x, top);
    block.lineTo(axis_x + width, top);
    block.lineTo(axis_x + width, plateau);
    block.quadTo(axis_x + width, neutral, axis_x, neutral);
    block.closeSubpath();
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 45));
    painter.drawPath(block);
    painter.drawLine(QPointF(axis_x, top), QPointF(axis_x, bottom));

    QPen dashed(muted, 1, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(QPointF(section.left() - 3, neutral), QPointF(box.right() - 2, neutral));

    // The steel force, pulling at the bars' depth.
    const double steel = bottom - 8;
    painter.setPen(QPen(red, 2));
    painter.drawLine(QPointF(axis_x, steel), QPointF(axis_x + width - 2, steel));
    painter.setBrush(red);
    painter.drawPolygon(
        QPolygonF{{axis_x + width + 4, steel}, {axis_x + width - 6, steel - 5}, {axis_x + width - 6, steel + 5}});
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("Form2");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedWidth(window_width);
    timer_.setInterval(Form2::tick_milliseconds);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::tick);
}

void SplashWindow::start() {
    place();
    show();
    timer_.start();
}

void SplashWindow::tick() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screen_height = screen ? screen->geometry().height() : 768;
    const bool last = model_.Timer1_Timer(to_twips(screen_height));
    place();
    if (last) request_start();
}

void SplashWindow::place() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area.x() + (area.width() - window_width) / 2, area.y() + to_pixels(model_.top), window_width,
                to_pixels(model_.height));
}

void SplashWindow::request_start() {
    timer_.stop();
    if (start_requested_) return;
    start_requested_ = true;
    emit start_requested();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    request_start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(0, 0, window_width, full_height_pixels);

    QLinearGradient background(page.topLeft(), page.bottomLeft());
    background.setColorAt(0, QColor(255, 255, 255));
    background.setColorAt(1, QColor(236, 240, 248));
    painter.fillRect(rect(), background);

    // The outer frame: a heavy blue line with a fine red one inside it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 4));
    painter.drawRect(page.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(red, 1));
    painter.drawRect(page.adjusted(9.5, 9.5, -9.5, -9.5));

    const int text_width = window_width - 60;
    const QString title1 = QString::fromStdString(model_.title1);
    const QString title2 = QString::fromStdString(model_.title2);
    painter.setPen(ink);
    painter.setFont(fitted(serif_font(32, true), title1, text_width));
    painter.drawText(QRectF(30, 22, text_width, 42), Qt::AlignCenter, title1);
    painter.setPen(red);
    painter.setFont(fitted(serif_font(19, true), title2, text_width));
    painter.drawText(QRectF(30, 66, text_width, 28), Qt::AlignCenter, title2);

    // The pictures, each in a quarter of a rounded frame.
    const QRectF strip(30, 106, text_width, 152);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawRoundedRect(strip, 10, 10);
    const double cell = strip.width() / 4;
    const auto pictures = {draw_rectangular_section, draw_t_section, draw_beam_elevation, draw_stress_diagram};
    double left = strip.left();
    for (const auto draw : pictures) {
        const QRectF box(left + (cell - 112) / 2, strip.top() + 16, 112, strip.height() - 32);
        painter.save();
        draw(painter, box);
        painter.restore();
        left += cell;
    }

    double top = 274;
    for (int line = 0; line < 3; ++line) {
        const QString credit = QString::fromStdString(model_.credits[line]);
        painter.setPen(line == 0 ? ink : muted);
        painter.setFont(fitted(serif_font(line == 0 ? 16 : 14, line == 0, line != 0), credit, text_width));
        painter.drawText(QRectF(30, top, text_width, 24), Qt::AlignCenter, credit);
        top += line == 0 ? 28 : 24;
    }
}

}  // namespace norvexa
