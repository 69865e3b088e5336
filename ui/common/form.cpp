#include "ui/common/form.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QSvgWidget>
#include <QTableView>

#include <algorithm>
#include <vector>

#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/line.h"
#include "ui/common/picturebox.h"
#include "ui/common/statusbar.h"
#include "ui/common/tablemodel.h"
#include "ui/common/units.h"

namespace ui {
namespace {

namespace design = core::design;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
const char* Name(const design::Control& c) { return c.name.data(); }

Qt::Alignment AlignmentOf(design::Align a)
{
    switch (a) {
    case design::Align::Centre:
        return Qt::AlignHCenter;
    case design::Align::Right:
        return Qt::AlignRight;
    case design::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QFont FontOf(design::Font f)
{
    switch (f) {
    case design::Font::Bold:
        return DefaultFont(true);
    case design::Font::Splash14:
        return SplashFont(14.25);
    case design::Font::Splash18:
        return SplashFont(18);
    case design::Font::Splash24:
        return SplashFont(24);
    case design::Font::Sans:
        break;
    }
    return DefaultFont();
}

QWidget* MakeMultiLineBox(QWidget* parent, const design::Control& c)
{
    if (c.colour == design::Face && c.Has(design::kBorder)) {
        QPlainTextEdit* box = MakePrintedText(parent, Name(c), c.text.data(), Text(c.accessible));
        box->setReadOnly(c.Has(design::kReadOnly));
        return box;
    }
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(Text(c.name));
    if (c.colour == design::Face) {
        StyleAsCaption(box);
    } else {
        box->setReadOnly(c.Has(design::kReadOnly));
        // Without scroll bars the caret is the way to the rest of a read-only text.
        if (c.Has(design::kReadOnly))
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        StyleAsFixedText(box);
        if (c.Has(design::kScrollBars))
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    box->setPlainText(WithLineFeeds(c.text.data()));
    box->setAccessibleName(Text(c.accessible));
    return box;
}

QWidget* MakeTextBox(QWidget* window, QWidget* parent, const design::Control& c)
{
    if (c.Has(design::kMultiLine))
        return MakeMultiLineBox(parent, c);
    if (c.colour == design::Face && !c.Has(design::kBorder))
        return MakeCaption(parent, Name(c), Text(c.text), AlignmentOf(c.align));
    QLineEdit* box = MakeBox(parent, Name(c), Text(c.accessible));
    switch (c.colour) {
    case design::Face:  // a display field in a thin line
        StyleAsFlatBox(box);
        break;
    case design::Compulsory:
        Colour(box, kCompulsoryRed, window->palette().color(QPalette::WindowText));
        [[fallthrough]];
    case design::Field:
        TakeAnyLength(box);
        break;
    case design::Optional:
        Colour(box, kOptionalBlue, kWhite);
        TakeAnyLength(box);
        break;
    }
    if (c.align != design::Align::Left)
        box->setAlignment(AlignmentOf(c.align));
    return box;
}

QWidget* MakePicture(QWidget* parent, const design::Control& c)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(Text(c.name));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/") + Text(c.text)).pixmap(design::Px(c.width)));
    picture->setToolTip(Text(c.tip));
    picture->setAccessibleName(Text(c.accessible));
    return picture;
}

QWidget* MakeImage(QWidget* parent, const design::Control& c)
{
    auto* image = new QLabel(parent);
    image->setObjectName(Text(c.name));
    image->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image->setLineWidth(2);
    // The sunken bevel's light edges would be white on a white window: draw
    // them in the classic 3-D greys, which show on it.
    QPalette bevel = image->palette();
    bevel.setColor(QPalette::Light, QColor(192, 192, 192));
    bevel.setColor(QPalette::Midlight, QColor(223, 223, 223));
    bevel.setColor(QPalette::Mid, QColor(160, 160, 160));
    bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
    bevel.setColor(QPalette::Shadow, QColor(64, 64, 64));
    image->setPalette(bevel);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/images/") + Text(c.text)));
    return image;
}

QWidget* Make(QWidget* window, QWidget* parent, const design::Control& c)
{
    switch (c.kind) {
    case design::TextBox:
        return MakeTextBox(window, parent, c);
    case design::Label: {
        QLabel* label = MakeLabel(parent, Text(c.name), Text(c.text), AlignmentOf(c.align), FontOf(c.font));
        label->setWordWrap(c.Has(design::kWordWrap));
        return label;
    }
    case design::Button:
        return MakeButton(parent, Name(c), Text(c.text), c.font == design::Font::Bold, c.Has(design::kWordWrap));
    case design::Picture:
        return MakePicture(parent, c);
    case design::Image:
        return MakeImage(parent, c);
    case design::Line: {
        auto* line = new Line(parent);
        line->setObjectName(Text(c.name));
        return line;
    }
    case design::Frame: {
        auto* frame = new QFrame(parent);
        frame->setObjectName(Text(c.name));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case design::Drawing: {
        auto* drawing = new QSvgWidget(parent);
        drawing->setObjectName(Text(c.name));
        drawing->setAccessibleName(Text(c.accessible));
        return drawing;
    }
    case design::Grid: {
        auto* grid = new QTableView(parent);
        grid->setObjectName(Text(c.name));
        grid->setAccessibleName(Text(c.accessible));
        grid->setModel(new TableModel(grid));
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setTabKeyNavigation(false);
        grid->verticalHeader()->setDefaultSectionSize(design::Px(255));
        return grid;
    }
    case design::StatusBar: {
        auto* bar = new StatusBar(window, Text(c.text));
        bar->setObjectName(Text(c.name));
        return bar;
    }
    }
    return nullptr;
}

void Place(QWidget* control, const design::Control& c)
{
    if (c.kind == design::StatusBar)
        return;  // it docks itself
    const design::PixelRect r = design::Place(c);
    control->setGeometry(r.left, r.top, r.width, r.height);
    if (c.kind != design::Label || !c.Has(design::kAutoSize))
        return;
    // Sized to its text; a centred label keeps the centre of its design place.
    auto* label = static_cast<QLabel*>(control);
    const QRect designed = label->geometry();
    label->adjustSize();
    if (c.align == design::Align::Centre) {
        QRect fitted = label->geometry();
        fitted.moveCenter(QPoint(designed.center().x(), fitted.center().y()));
        label->setGeometry(fitted);
    }
}

}  // namespace

Form::Form(QWidget* window, const design::Window& design)
{
    std::vector<const design::Control*> tabOrder;
    for (const design::Control& c : design.controls) {
        QWidget* parent = c.container.empty() ? window : Find(c.container);
        QWidget* control = Make(window, parent, c);
        Place(control, c);
        controls_.insert(Text(c.name), control);
        if (c.tab != design::kNoTab)
            tabOrder.push_back(&c);
    }
    for (const design::Control& c : design.controls)
        if (c.kind == design::Label && !c.buddy.empty())
            Get<QLabel>(c.name)->setBuddy(Find(c.buddy));
    std::sort(tabOrder.begin(), tabOrder.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(Find(tabOrder[i]->name), Find(tabOrder[i + 1]->name));
    if (!tabOrder.empty())
        firstTabStop_ = Find(tabOrder.front()->name);
}

QWidget* Form::Find(std::string_view name) const
{
    return controls_.value(Text(name));
}

void Form::Missing(std::string_view name)
{
    qFatal("the design has no control %.*s of that kind", static_cast<int>(name.size()), name.data());
}

void ApplyDesign(QWidget* window, const design::Window& design)
{
    window->setObjectName(Text(design.name));
    if (!design.caption.empty())
        window->setWindowTitle(Text(design.caption));
    switch (design.icon) {
    case design::Icon::Calculator:
        window->setWindowIcon(CalculatorIcon());
        break;
    case design::Icon::Question:
        window->setWindowIcon(QIcon(QStringLiteral(":/icons/question.png")));
        break;
    case design::Icon::None:
        break;
    }
}

}  // namespace ui
