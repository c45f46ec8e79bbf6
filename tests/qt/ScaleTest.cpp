#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>
#include <cstdlib>
#include <sstream>

#include "SheetDriver.h"
#include "framework/qt/PageWidget.h"
#include "framework/qt/SheetTabBar.h"
#include "framework/qt/SheetWindow.h"
#include "support/ScratchFolder.h"

// The five pages at the screen scale and in the style this run was started
// with (QT_SCALE_FACTOR, QT_STYLE_OVERRIDE), checked by geometry: every control has the room its
// style and text need, controls the template keeps apart stay apart, and the
// pane's frame is drawn whole.

namespace {

class QtScale : public ::testing::Test {
protected:
    ScratchFolder folder;
};

std::string Describe(const PageWidget& page, std::size_t index) {
    const ControlTemplate& control = page.Template().controls[index];
    std::ostringstream text;
    text << page.objectName().toStdString() << " #" << index << " \"" << control.text << "\"";
    return text.str();
}

std::string Show(const QRect& rect) {
    std::ostringstream text;
    text << rect.width() << "x" << rect.height() << "+" << rect.x() << "+" << rect.y();
    return text.str();
}

// The least room a control needs to show itself whole.
QSize Needed(const ControlTemplate& control, QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QString text = QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    switch (control.kind) {
        case ControlKind::Label: return {metrics.horizontalAdvance(text.trimmed()), metrics.height()};
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            // The indicator, the gap and the text beside it, at the height
            // the style draws the indicator whole in.
            const bool radio = control.kind == ControlKind::RadioButton;
            QStyle* style = widget.style();
            const int indicatorWidth = style->pixelMetric(
                radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &widget);
            const int spacing = style->pixelMetric(
                radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget);
            return {indicatorWidth + spacing + metrics.horizontalAdvance(text), widget.sizeHint().height()};
        }
        case ControlKind::PushButton: {
            // The text inside the style's frame: its width, and its height
            // inside what the style keeps for the frame.
            QStyleOptionButton option;
            option.initFrom(&widget);
            option.text = text;
            option.features = QStyleOptionButton::AutoDefaultButton;
            const QRect contents = widget.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &widget);
            return {metrics.horizontalAdvance(text) + option.rect.width() - contents.width(),
                    metrics.height() + option.rect.height() - contents.height()};
        }
        case ControlKind::TextField: {
            const int frame = widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
            return {0, metrics.height() + 2 * frame};
        }
        case ControlKind::GroupBox: return {0, 0};
    }
    return {};
}

bool Contains(const DialogRect& outer, const DialogRect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool Intersect(const DialogRect& a, const DialogRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

void CheckControls(const PageWidget& page) {
    const auto& controls = page.Template().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* widget = page.ControlAt(i);
        const QRect rect = page.ControlRectAt(i);
        // The widget stands where the page says.
        EXPECT_EQ(QRect(widget->mapTo(&page, QPoint()), widget->size()), rect) << Describe(page, i);
        const QSize needed = Needed(controls[i], *widget);
        EXPECT_GE(rect.width(), needed.width()) << Describe(page, i) << " at " << Show(rect);
        EXPECT_GE(rect.height(), needed.height()) << Describe(page, i) << " at " << Show(rect);
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const DialogRect& a = controls[i].rect;
            const DialogRect& b = controls[j].rect;
            const QRect other = page.ControlRectAt(j);
            if (!Intersect(a, b)) {
                EXPECT_FALSE(rect.intersects(other)) << Describe(page, i) << " " << Show(rect) << " overlaps "
                                                     << Describe(page, j) << " " << Show(other);
            } else if (Contains(a, b) && controls[i].kind == ControlKind::GroupBox) {
                EXPECT_TRUE(rect.contains(other)) << Describe(page, j) << " leaves " << Describe(page, i);
            } else if (Contains(b, a) && controls[j].kind == ControlKind::GroupBox) {
                EXPECT_TRUE(other.contains(rect)) << Describe(page, i) << " leaves " << Describe(page, j);
            }
        }
    }
}

// How much of [from, to] in the image has a line unlike both the window's
// background and the pane's inside (a dark line or a light one), at most
// `inward` device pixels in from the edge (a step of `across`, a unit vector).
double LineCover(const QImage& image, QPoint from, QPoint to, QPoint across, int inward, QRgb background) {
    const bool horizontal = from.y() == to.y();
    const int length = horizontal ? to.x() - from.x() : to.y() - from.y();
    const QPoint middle = (from + to) / 2 + across * (inward + 4);
    const int inside = qGray(image.pixel(middle));
    auto unlike = [](int a, int b) { return std::abs(a - b) >= 10; };
    int drawn = 0;
    for (int step = 0; step <= length; ++step) {
        bool found = false;
        for (int in = -1; in <= inward && !found; ++in) {
            const QPoint at = (horizontal ? QPoint(from.x() + step, from.y()) : QPoint(from.x(), from.y() + step)) +
                              across * in;
            if (!image.valid(at)) continue;
            const int gray = qGray(image.pixel(at));
            found = unlike(gray, qGray(background)) && unlike(gray, inside);
        }
        if (found) ++drawn;
    }
    return length > 0 ? static_cast<double>(drawn) / (length + 1) : 0.0;
}

void CheckPaneFrame(SheetWindow& sheet) {
    const QPixmap shot = sheet.grab();
    const QImage image = shot.toImage();
    const qreal ratio = shot.devicePixelRatio();
    const QRgb background = sheet.palette().window().color().rgb();
    const QRect pane(sheet.Pane()->mapTo(&sheet, QPoint()), sheet.Pane()->size());
    const QRect tabs(sheet.Tabs()->mapTo(&sheet, QPoint()), sheet.Tabs()->size());
    const int lastTab = sheet.Tabs()->count() - 1;
    const int tabsEnd = tabs.x() + sheet.Tabs()->tabRect(lastTab).right() + 1;
    auto device = [&](int x, int y) { return QPoint(qRound(x * ratio), qRound(y * ratio)); };
    const int top = pane.top(), left = pane.left(), right = pane.right(), bottom = pane.bottom();
    struct Edge {
        const char* name;
        QPoint from;
        QPoint to;
        QPoint inward;
    };
    const Edge edges[] = {
        {"top, right of the tabs", device(tabsEnd + 4, top), device(right - 4, top), {0, 1}},
        {"left", device(left, top + 4), device(left, bottom - 4), {1, 0}},
        {"right", device(right, top + 4), device(right, bottom - 4), {-1, 0}},
        {"bottom", device(left + 4, bottom), device(right - 4, bottom), {0, -1}},
    };
    // The style may draw its frame a pixel or two in from the pane's edge.
    const int inward = qCeil(3 * ratio);
    for (const Edge& edge : edges) {
        EXPECT_GT(LineCover(image, edge.from, edge.to, edge.inward, inward, background), 0.95)
            << "pane frame " << edge.name;
    }
}

}  // namespace

TEST_F(QtScale, EveryPageHasRoomForEachControlAndAWholeFrame) {
    WriteConfig({"TapePath=/home/oric/tapes", "PrinterFile=/home/oric/printer.txt"});
    RunProgram([](SheetWindow& sheet) {
        for (int index = 0; index < sheet.Tabs()->count(); ++index) {
            sheet.RequestPage(index);
            ASSERT_EQ(ActivePageIndex(sheet), index);
            CheckControls(*sheet.ActivePage());
            CheckPaneFrame(sheet);
        }
    });
}
