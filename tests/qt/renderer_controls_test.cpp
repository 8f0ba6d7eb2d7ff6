// The widgets of the controls, offscreen: input reaches the controls' events in the runtime's
// order, and property writes reach the widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/qt/convert.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

class ControlsForm : public rt::Form {
  public:
    ControlsForm() : rt::Form("ControlsForm") {
        setClientSize(6000, 4500);
        label.move(150, 300, 1500, 300);
        label.setCaption("Score");
        button.move(3000, 300, 1200, 450);
        button.setCaption("&Roll");
        box.move(150, 1500, 3000, 2000);
        inBox.move(150, 150, 600, 300);
        row.create(1).move(1800, 300, 450, 270);
    }
    rt::Label label{this, "label"};
    rt::CommandButton button{this, "button"};
    rt::PictureBox box{this, "box"};
    rt::Label inBox{&box, "inBox"};
    rt::ComboBox combo{this, "combo"};
    rt::OptionButton optionA{this, "optionA"};
    rt::OptionButton optionB{this, "optionB"};
    rt::TextBox text{this, "text"};
    rt::CheckBox check{this, "check"};
    rt::Line line{this, "line"};
    rt::ControlArray<rt::Label> row{this, "row"};
};

using ControlInput = RendererTest;

TEST_F(ControlInput, LabelClickRunsDownUpThenClickWithTwipsAndShift) {
    auto& form = make<ControlsForm>();
    EventLog log;
    log.wire(form.label);
    form.show();
    clickWidget(widgetOf(form.label), QPoint(4, 6), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"label:down(1,1,60,90)", "label:up(1,1,60,90)",
                                                     "label:click"}));
}

TEST_F(ControlInput, ButtonClickRunsDownUpThenClick) {
    auto& form = make<ControlsForm>();
    EventLog log;
    log.wire(form.button);
    form.show();
    clickWidget(widgetOf(form.button), QPoint(10, 10));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"button:down(1,0,150,150)",
                                                     "button:up(1,0,150,150)", "button:click"}));
}

TEST_F(ControlInput, RightButtonPressAndReleaseIsNoClick) {
    auto& form = make<ControlsForm>();
    EventLog log;
    log.wire(form.label);
    log.wire(form.button);
    form.show();
    clickWidget(widgetOf(form.label), QPoint(1, 1), Qt::RightButton, Qt::ControlModifier);
    clickWidget(widgetOf(form.button), QPoint(1, 1), Qt::RightButton);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"label:down(2,2,15,15)", "label:up(2,2,15,15)",
                                        "button:down(2,0,15,15)", "button:up(2,0,15,15)"}));
}

TEST_F(ControlInput, ReleaseOutsideTheLabelIsNoClick) {
    auto& form = make<ControlsForm>();
    EventLog log;
    log.wire(form.label);
    form.show();
    QWidget* w = widgetOf(form.label);
    sendMouse(w, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, QPoint(500, 2), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries.back(), "label:up(1,0,7500,30)");
}

TEST_F(ControlInput, MovesWithoutButtonReachTheControlButNotItsContainer) {
    auto& form = make<ControlsForm>();
    std::vector<std::string> moves;
    form.inBox.onMouseMove = [&](int b, int, float x, float) {
        moves.push_back("inBox " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)));
    };
    form.box.onMouseMove = [&](int, int, float, float) { moves.push_back("box"); };
    form.show();
    QWidget* w = widgetOf(form.inBox);
    EXPECT_TRUE(w->hasMouseTracking());
    sendMouse(w, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(moves, std::vector<std::string>{"inBox 0 45"});
}

TEST_F(ControlInput, LineLetsTheMouseThrough) {
    auto& form = make<ControlsForm>();
    form.line.setEnds(0, 0, 3000, 0);
    form.show();
    EXPECT_TRUE(widgetOf(form.line)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(ControlInput, ComboPickSelectsTheItemAndRunsChange) {
    auto& form = make<ControlsForm>();
    form.combo.addItem("one");
    form.combo.addItem("two");
    form.combo.setListIndex(0);
    int changes = 0;
    form.combo.onChange = [&] { ++changes; };
    form.show();
    auto* combo = widgetOf<QComboBox>(form.combo);
    ASSERT_EQ(combo->count(), 2);
    emit combo->activated(1);
    EXPECT_EQ(form.combo.listIndex(), 1);
    EXPECT_EQ(changes, 1);
    emit combo->activated(1);  // the same item again is no change
    EXPECT_EQ(changes, 1);
    form.combo.setListIndex(0);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlInput, OptionClickSelectsItAndClearsItsSibling) {
    auto& form = make<ControlsForm>();
    form.optionA.setValue(true);
    int clicks = 0;
    form.optionB.onClick = [&] { ++clicks; };
    form.show();
    widgetOf<QRadioButton>(form.optionB)->click();
    EXPECT_TRUE(form.optionB.value());
    EXPECT_FALSE(form.optionA.value());
    EXPECT_FALSE(widgetOf<QRadioButton>(form.optionA)->isChecked());
    EXPECT_EQ(clicks, 1);
    // Clicking the selected option again leaves it selected: the control decides.
    widgetOf<QRadioButton>(form.optionB)->click();
    EXPECT_TRUE(widgetOf<QRadioButton>(form.optionB)->isChecked());
}

TEST_F(ControlInput, CheckBoxClicksToggleTheControlAndTheWidgetShowsWhatItHolds) {
    auto& form = make<ControlsForm>();
    form.check.setCaption("&Desktop");
    form.show();
    auto* check = widgetOf<QCheckBox>(form.check);
    EXPECT_EQ(check->text(), "&Desktop");
    std::vector<bool> seen;
    form.check.onClick = [&] { seen.push_back(form.check.value()); };
    check->click();
    check->click();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    // A handler that refuses the tick wins over the widget's own toggling.
    form.check.onClick = [&] { form.check.setValue(false); };
    check->click();
    EXPECT_FALSE(form.check.value());
    EXPECT_FALSE(check->isChecked());
    form.check.onClick = nullptr;
    form.check.setValue(true);
    EXPECT_TRUE(check->isChecked());
}

TEST_F(ControlInput, TypingSetsTheTextBoxText) {
    auto& form = make<ControlsForm>();
    std::vector<std::string> changes;
    form.text.onChange = [&] { changes.push_back(form.text.text()); };
    form.show();
    auto* edit = widgetOf<QLineEdit>(form.text);
    edit->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(edit, &key);
    EXPECT_EQ(changes, std::vector<std::string>{"a"});
    form.text.setText("Ana");
    EXPECT_EQ(edit->text(), "Ana");
}

using ControlProperties = RendererTest;

TEST_F(ControlProperties, CaptionWriteReachesTheLabel) {
    auto& form = make<ControlsForm>();
    form.show();
    form.label.setCaption("Total:  215");
    EXPECT_EQ(widgetOf<QLabel>(form.label)->text(), "Total:  215");
    EXPECT_EQ(widgetOf<QLabel>(form.label)->textFormat(), Qt::PlainText);
    form.button.setCaption("&Back");
    EXPECT_EQ(widgetOf<QPushButton>(form.button)->text(), "&Back");
}

TEST_F(ControlProperties, GeometryIsTwipsOverFifteenWithEdgesRounded) {
    auto& form = make<ControlsForm>();
    form.show();
    EXPECT_EQ(widgetOf(form.label)->geometry(), QRect(10, 20, 100, 20));
    form.label.move(10, 300, 450, 265);  // 0.67 px .. 30.67 px wide, 20 .. 37.67 px high
    EXPECT_EQ(widgetOf(form.label)->geometry(), QRect(1, 20, 30, 18));
    // A child's place is inside its box's border.
    QWidget* inBox = widgetOf(form.inBox);
    EXPECT_EQ(inBox->geometry().topLeft(), QPoint(10, 10));
    EXPECT_EQ(inBox->mapTo(widgetOf(form.box), QPoint(0, 0)).x(),
              10 + widgetOf<QFrame>(form.box)->frameWidth());
}

TEST_F(ControlProperties, VisibleEnabledTooltipAndColoursReachTheWidget) {
    auto& form = make<ControlsForm>();
    form.show();
    QWidget* w = widgetOf(form.label);
    form.label.setVisible(false);
    EXPECT_FALSE(w->isVisible());
    form.label.setVisible(true);
    EXPECT_TRUE(w->isVisible());
    form.label.setEnabled(false);
    EXPECT_FALSE(w->isEnabled());
    form.label.setToolTipText(" 1 ");
    EXPECT_EQ(w->toolTip(), " 1 ");
    form.label.setBackColor(rt::rgb(0x12, 0x34, 0x56));
    form.label.setForeColor(rt::palette::kRed);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(w->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(w->autoFillBackground());
    form.label.setBackStyle(rt::BackStyle::Transparent);
    EXPECT_FALSE(w->autoFillBackground());
}

TEST_F(ControlProperties, MissingFontFamilyBecomesTheDefaultSansAtTheSameSize) {
    auto& form = make<ControlsForm>();
    rt::Font font;  // "MS Sans Serif" 8.25
    font.bold = true;
    font.underline = true;
    form.label.setFont(font);
    form.show();
    QFont f = widgetOf(form.label)->font();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 8.25);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.underline());
    EXPECT_FALSE(f.italic());
    form.label.setFontItalic(true);
    EXPECT_TRUE(widgetOf(form.label)->font().italic());
}

TEST_F(ControlProperties, MousePointersByNumber) {
    auto& form = make<ControlsForm>();
    form.show();
    QWidget* w = widgetOf(form.label);
    EXPECT_FALSE(w->testAttribute(Qt::WA_SetCursor));
    const std::pair<int, Qt::CursorShape> table[] = {{rt::kPointerArrow, Qt::ArrowCursor},
                                                     {rt::kPointerUpArrow, Qt::UpArrowCursor},
                                                     {rt::kPointerHourglass, Qt::WaitCursor},
                                                     {rt::kPointerNoDrop, Qt::ForbiddenCursor}};
    for (auto [pointer, shape] : table) {
        form.label.setMousePointer(pointer);
        EXPECT_EQ(w->cursor().shape(), shape) << pointer;
    }
    rt::Bitmap icon(16, 16, 0xFF000000);
    icon.hotX = 3;
    icon.hotY = 5;
    form.label.setMouseIcon(rt::Picture::fromBitmap(icon));
    form.label.setMousePointer(rt::kPointerCustom);
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(3, 5));
    form.label.setMousePointer(rt::kPointerDefault);
    EXPECT_FALSE(w->testAttribute(Qt::WA_SetCursor));
}

TEST_F(ControlProperties, TabStopOffLeavesTheTabChainButNotTheMouse) {
    auto& form = make<ControlsForm>();
    form.show();
    EXPECT_EQ(widgetOf(form.button)->focusPolicy(), Qt::StrongFocus);
    form.button.setTabStop(false);
    EXPECT_EQ(widgetOf(form.button)->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(widgetOf(form.label)->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlProperties, AutoSizedLabelTakesTheSizeOfItsTextAndWritesItBack) {
    auto& form = make<ControlsForm>();
    form.label.setAutoSize(true);
    form.show();
    auto* w = widgetOf<QLabel>(form.label);
    QFontMetrics metrics(w->font());
    EXPECT_EQ(form.label.width(), metrics.horizontalAdvance("Score") * 15);
    // At least one line of the font; a face whose glyphs reach beyond its line adds a pixel or two.
    EXPECT_GE(form.label.height(), metrics.height() * 15);
    EXPECT_LE(form.label.height(), (metrics.height() + 3) * 15);
    const int before = form.label.width();
    form.label.setCaption("A much longer caption");
    EXPECT_GT(form.label.width(), before);
    EXPECT_EQ(w->width() * 15, form.label.width());
}

TEST_F(ControlProperties, PicturesShareOneConversionPerHandle) {
    auto& form = make<ControlsForm>();
    rt::Bitmap bitmap(32, 32, 0xFFFF0000);
    rt::Picture picture = rt::Picture::fromBitmap(bitmap);
    EXPECT_EQ(rt::qt::toPixmap(picture).cacheKey(), rt::qt::toPixmap(picture).cacheKey());
    rt::Picture other = rt::Picture::fromBitmap(bitmap);
    EXPECT_NE(rt::qt::toPixmap(picture).cacheKey(), rt::qt::toPixmap(other).cacheKey());
    QImage image = rt::qt::toPixmap(picture).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    form.show();
    EXPECT_TRUE(rt::qt::toPixmap(rt::Picture()).isNull());
}

TEST_F(ControlProperties, ControlLoadedAfterShowGetsAWidgetAtTheNextEvents) {
    auto& form = make<ControlsForm>();
    form.show();
    rt::Label& second = form.row.load(2);
    second.setTop(600);
    display->processEvents();
    QWidget* w = widgetOf(second);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());  // loaded elements start hidden
    second.setVisible(true);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(120, 40, 30, 18));
}

TEST_F(ControlProperties, ShownLabelComesAboveTheOtherLabelsButBelowWindowedControls) {
    auto& form = make<ControlsForm>();
    form.label.setVisible(false);
    form.show();
    QWidget* client = windowOf(form)->client();
    form.label.setVisible(true);
    QList<QWidget*> order;
    for (QObject* o : client->children())
        if (auto* w = qobject_cast<QWidget*>(o)) order.push_back(w);
    const auto at = [&](const rt::Control& c) { return order.indexOf(widgetOf(c)); };
    EXPECT_GT(at(form.label), at(form.row[1]));
    EXPECT_LT(at(form.label), at(form.button));
}

}  // namespace
}  // namespace renderer_test
