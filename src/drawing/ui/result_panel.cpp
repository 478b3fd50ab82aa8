#include "drawing/ui/result_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

QLabel* caption(const QString& text, bool bold = false) {
    auto* label = new QLabel(text);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

void set_colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFrame* swatch(int size) {
    auto* frame = new QFrame;
    frame->setFixedSize(size, size);
    frame->setAutoFillBackground(true);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    return frame;
}

}  // namespace

ResultPanel::ResultPanel(AnalysisWindow& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName("Frame1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    outdated_ = caption(outdated_results_notice, true);
    outdated_->setObjectName("outdated");
    set_colour(outdated_, QPalette::WindowText, QColor(0xa0, 0, 0));
    layout->addWidget(outdated_);
    for (int k = 0; k < 4; ++k) layout->addWidget(layer_row(k));
    layout->addWidget(concrete_row());
    layout->addWidget(depth_row());
    layout->addWidget(moment_rows());
    layout->addWidget(shear_block());
    layout->addStretch(1);
    // The window keeps its size whether or not a run has filled the panel.
    for (QWidget* part : std::initializer_list<QWidget*>{this, shear_, concrete_, outdated_}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }
    refresh();
}

QLabel* ResultPanel::value(const char* name, const Control& control, bool boxed) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("000000"));
    if (boxed) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("00000000"));
    }
    values_.emplace(name, Shown{&control, label});
    return label;
}

QWidget* ResultPanel::layer_row(int k) {
    AnalysisResults& r = model_.results;
    static const char* const depth_names[] = {"Label16", "Label20", "Label24", "Label61"};
    static const char* const strain_names[] = {"Label48", "Label49", "Label50", "Label51"};
    static const char* const stress_names[] = {"Label52", "Label53", "Label54", "Label55"};
    auto* row = new QWidget;
    row->setObjectName(QString("fas%1").arg(k + 1));
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    QFrame* dot = swatch(8);
    set_colour(dot, QPalette::Window, to_qcolor(layer_colours[k]));
    QLabel* name = caption("", true);
    name->setObjectName(QString("Label%1").arg(k + 5));
    layer_captions_.push_back(name);
    line->addWidget(dot);
    line->addWidget(name);
    line->addWidget(caption("d="));
    line->addWidget(value(depth_names[k], *r.depth_labels()[k]));
    line->addWidget(caption("cm"));
    line->addSpacing(6);
    line->addWidget(caption("εs="));
    line->addWidget(value(strain_names[k], *r.strain_labels()[k]));
    line->addWidget(caption("%°"));
    line->addSpacing(6);
    line->addWidget(caption("σs="));
    line->addWidget(value(stress_names[k], *r.stress_labels()[k]));
    line->addWidget(caption("N/mmq"));
    line->addStretch(1);
    layer_rows_.push_back(row);
    return row;
}

QWidget* ResultPanel::concrete_row() {
    AnalysisResults& r = model_.results;
    concrete_ = new QWidget;
    concrete_->setObjectName("fc");
    auto* line = new QHBoxLayout(concrete_);
    line->setContentsMargins(0, 0, 0, 0);
    swatch_ = swatch(12);
    swatch_->setObjectName("Shape10");
    line->addWidget(swatch_);
    line->addWidget(caption("Cls comp.sso", true));
    line->addWidget(caption("εc="));
    line->addWidget(value("lepscls", r.lepscls));
    line->addWidget(caption("%°"));
    line->addSpacing(6);
    line->addWidget(caption("σc="));
    line->addWidget(value("lsigmac", r.lsigmac));
    line->addWidget(caption("N/mmq"));
    line->addStretch(1);
    return concrete_;
}

QWidget* ResultPanel::depth_row() {
    AnalysisResults& r = model_.results;
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 4, 0, 0);
    line->addWidget(caption("d="));
    line->addWidget(value("Label26", r.Label26, true));
    line->addWidget(caption("cm"));
    line->addSpacing(10);
    line->addWidget(caption("x ="));
    line->addWidget(value("lx", r.lx));
    line->addWidget(caption("cm"));
    line->addSpacing(10);
    line->addWidget(caption("x/d="));
    line->addWidget(value("Label32", r.Label32, true));
    line->addStretch(1);
    return row;
}

QWidget* ResultPanel::moment_rows() {
    AnalysisResults& r = model_.results;
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->addWidget(caption("Mrd  KNm"), 0, 0, Qt::AlignCenter);
    grid->addWidget(caption("Msd  KNm"), 0, 2, Qt::AlignCenter);
    grid->addWidget(value("lm", r.lm, true), 1, 0);
    grid->addWidget(value("Label29", r.Label29), 1, 1, Qt::AlignCenter);
    grid->addWidget(value("lmsd", r.lmsd, true), 1, 2);
    grid->addWidget(value("Label30", r.Label30), 1, 3);
    QLabel* verdict = value("vf", r.vf);
    QFont font = verdict->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    verdict->setFont(font);
    verdict->setAlignment(Qt::AlignCenter);
    grid->addWidget(verdict, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return block;
}

QWidget* ResultPanel::shear_block() {
    AnalysisResults& r = model_.results;
    shear_ = new QFrame;
    shear_->setObjectName("Frame3");
    static_cast<QFrame*>(shear_)->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* grid = new QGridLayout(shear_);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(1);
    struct Row {
        const char* caption;
        const char* name;
        const Control* control;
        const char* unit;
    };
    const Row rows[] = {
        {"k =", "lk", &r.lk, ""},           {"bw =", "lbweb", &r.lbweb, "mm"},
        {"ρl =", "lrol", &r.lrol, ""},       {"Vrd1 =", "lvrd1", &r.lvrd1, "KN"},
        {"ν =", "lnu", &r.lnu, ""},         {"Vrd2 =", "lvrd2", &r.lvrd2, "KN"},
        {"Passo max =", "lsmax", &r.lsmax, "cm"}, {"Vwd =", "lvwd", &r.lvwd, "KN"},
        {"Asw/(s·bw) =", "Label81", &r.Label81, ""}, {"Vrd3 =", "lvrd3", &r.lvrd3, "KN"},
    };
    int i = 0;
    for (const Row& row : rows) {
        const int line = i / 2, column = (i % 2) * 3;
        grid->addWidget(caption(row.caption), line, column, Qt::AlignRight);
        grid->addWidget(value(row.name, *row.control), line, column + 1);
        grid->addWidget(caption(row.unit), line, column + 2);
        ++i;
    }
    const int next = (i + 1) / 2;
    grid->addWidget(value("Label73", r.Label73), next, 0, 1, 6);
    grid->addWidget(value("Label76", r.Label76), next + 1, 0, 1, 6);
    grid->addWidget(value("Label91", r.Label91), next + 2, 0, 1, 6);
    auto* verdict = new QHBoxLayout;
    verdict->addWidget(caption("Vrd3"));
    verdict->addWidget(value("lvsd", r.lvsd));
    verdict->addWidget(caption("Vsd ="));
    verdict->addWidget(value("rlvsd", r.rlvsd));
    verdict->addWidget(caption("KN"));
    verdict->addSpacing(10);
    QLabel* shear_verdict = value("lvtaglio", r.lvtaglio);
    QFont font = shear_verdict->font();
    font.setBold(true);
    shear_verdict->setFont(font);
    verdict->addWidget(shear_verdict, 1);
    grid->addLayout(verdict, next + 3, 0, 1, 6);
    // Units stay beside their values; the room left goes after them.
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    return shear_;
}

int ResultPanel::full_height() const {
    int height = sizeHint().height();
    for (const QWidget* row : layer_rows_)
        if (row->isHidden()) height += row->sizeHint().height() + layout()->spacing();
    return height;
}

QLabel* ResultPanel::result(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? nullptr : found->second.label;
}

void ResultPanel::refresh() {
    const Board& board = model_.board;
    setVisible(board.Frame1.visible);
    const std::array<const BoardElement*, 4> blocks = {&board.fas1, &board.fas2, &board.fas3, &board.fas4};
    const std::array<const BoardElement*, 4> captions = {&board.Label5, &board.Label6, &board.Label7, &board.Label8};
    for (int k = 0; k < 4; ++k) {
        layer_rows_[k]->setVisible(blocks[k]->visible);
        layer_captions_[k]->setText(QString::fromStdString(captions[k]->text));
        set_colour(layer_captions_[k], QPalette::WindowText, to_qcolor(captions[k]->fore));
    }
    concrete_->setVisible(board.fc.visible);
    set_colour(swatch_, QPalette::Window, to_qcolor(board.Shape10.back));
    shear_->setVisible(board.Frame3.visible);
    const bool outdated = model_.results_outdated();
    outdated_->setVisible(outdated);
    for (auto& [name, shown] : values_) {
        const QString text = QString::fromStdString(shown.control->text);
        if (shown.label->text() != text) shown.label->setText(text);
        const bool verdict = name == "vf" || name == "lvtaglio";
        set_colour(shown.label, QPalette::WindowText,
                   verdict && outdated ? palette().color(QPalette::Disabled, QPalette::WindowText)
                                       : to_qcolor(shown.control->fore));
    }
}

}  // namespace norvexa
