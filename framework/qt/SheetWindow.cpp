#include "framework/qt/SheetWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/core/Backend.h"
#include "framework/core/SheetRules.h"
#include "framework/qt/ByteLineEdit.h"
#include "framework/qt/PageWidget.h"
#include "framework/qt/SheetPane.h"
#include "framework/qt/SheetTabBar.h"

namespace {

// The platform's sheet metrics, in dialog units.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Ctrl+Tab and Ctrl+Page Down go forward, with Shift or Page Up back; 0 otherwise.
int PageStepOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_PageDown) return 1;
        if (key.key() == Qt::Key_PageUp || key.key() == Qt::Key_Backtab) return -1;
    }
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
        (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)) {
        return -1;
    }
    return 0;
}

}  // namespace

SheetWindow::SheetWindow(SheetCallbacks& sheet) : QDialog(nullptr), m_sheet(sheet) {
    setWindowTitle(ToQString(sheet.GetCaption()));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, sheet.HasContextHelpButton());

    const DialogTemplate* first = sheet.GetPageTemplate(0);
    m_font = first != nullptr ? TemplateFont(*first) : font();
    setFont(m_font);
    m_units = MeasureBaseUnits(m_font);

    m_tabs = new SheetTabBar(this);
    for (int i = 0; i < sheet.GetPageCount(); ++i) m_tabs->addTab(ToQString(sheet.GetPageTemplate(i)->title));
    m_tabs->onRequest = [this](int index) { RequestPage(index); };

    auto* frame = new SheetPane(*m_tabs, this);
    m_pane = frame;
    m_stack = new QStackedWidget(frame);
    m_stack->setFixedSize(HorizontalPixels(sheet.PageWidth(), m_units), VerticalPixels(sheet.PageHeight(), m_units));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(m_stack);

    const QSize buttonSize(HorizontalPixels(kButtonWidth, m_units), VerticalPixels(kButtonHeight, m_units));
    auto makeButton = [&](const QString& text) {
        auto* button = new QPushButton(text, this);
        button->setFixedSize(buttonSize);
        button->setAutoDefault(true);
        return button;
    };
    m_ok = makeButton(tr("OK"));
    m_cancel = makeButton(tr("Cancel"));
    m_apply = makeButton(tr("&Apply"));
    m_help = makeButton(tr("Help"));
    m_ok->setDefault(true);
    m_apply->setEnabled(sheet.IsApplyEnabled());
    m_help->setVisible(sheet.HasHelpButton());

    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_sheet.OnOK()) accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { m_sheet.OnHelp(); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(HorizontalPixels(kButtonGap, m_units));
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_help);

    auto* layout = new QVBoxLayout(this);
    const int marginX = HorizontalPixels(kMargin, m_units);
    const int marginY = VerticalPixels(kMargin, m_units);
    layout->setContentsMargins(marginX, marginY, marginX, marginY);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(frame);
    layout->addSpacing(marginY);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_pages.assign(static_cast<std::size_t>(sheet.GetPageCount()), nullptr);
    // Ctrl+Tab and its kin change pages from whichever control has the focus.
    qApp->installEventFilter(this);
    CentreOnScreen();
}

SheetWindow::~SheetWindow() { qApp->removeEventFilter(this); }

void SheetWindow::CentreOnScreen() {
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize whole = frameGeometry().size();  // with the title bar, once the window has one
    move(available.x() + (available.width() - whole.width()) / 2,
         available.y() + (available.height() - whole.height()) / 2);
}

void SheetWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_centred) return;
    m_centred = true;
    CentreOnScreen();
}

PageWidget* SheetWindow::Page(int index) const {
    if (index < 0 || index >= static_cast<int>(m_pages.size())) return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

PageWidget* SheetWindow::ActivePage() const { return Page(m_sheet.GetActiveIndex()); }

void SheetWindow::ShowPage(int index) {
    const DialogTemplate* page = m_sheet.GetPageTemplate(index);
    if (page == nullptr) return;
    PageWidget*& widget = m_pages[static_cast<std::size_t>(index)];
    if (widget == nullptr) {
        widget = new PageWidget(*page, m_units);
        widget->onButtonClicked = [this](int id) { m_sheet.OnPageButtonClicked(id); };
        m_stack->addWidget(widget);
    }
    m_stack->setCurrentWidget(widget);
    m_tabs->ShowTab(index);
    m_sheet.OnPageSetActive(index, *widget);
    FocusOn(FirstFocusOf(*page), Qt::TabFocusReason);
}

void SheetWindow::FocusOn(int id, Qt::FocusReason reason) {
    QWidget* target = FocusTarget(id);
    if (target == nullptr) return;
    target->setFocus(reason);
    PageWidget* page = ActivePage();
    if (page != nullptr && SelectsTextOnFocus(page->Template(), id)) {
        if (auto* field = dynamic_cast<ByteLineEdit*>(target)) field->selectAll();
    }
}

void SheetWindow::RequestPage(int index) {
    if (index == m_sheet.GetActiveIndex() || m_sheet.GetPageTemplate(index) == nullptr) return;
    const bool fromTabs = m_tabs->hasFocus();
    if (!m_sheet.OnPageKillActive()) return;
    ShowPage(index);
    // Walking the tabs with the arrow keys stays on the tabs.
    if (fromTabs) m_tabs->setFocus(Qt::OtherFocusReason);
}

void SheetWindow::RequestNeighbourPage(int step) {
    RequestPage(NeighbourPage(m_sheet.GetActiveIndex(), step, m_sheet.GetPageCount()));
}

QWidget* SheetWindow::FocusTarget(int id) const {
    switch (id) {
        case kSheetOkButton: return m_ok;
        case kSheetCancelButton: return m_cancel;
        case kSheetHelpButton: return m_help;
        case kSheetTabStrip: return m_tabs;
        default: break;
    }
    PageWidget* page = ActivePage();
    return page != nullptr ? page->Control(id) : nullptr;
}

int SheetWindow::FocusId() const {
    const QWidget* focus = focusWidget();
    for (int id : {kSheetOkButton, kSheetCancelButton, kSheetHelpButton, kSheetTabStrip}) {
        if (focus == FocusTarget(id)) return id;
    }
    PageWidget* page = ActivePage();
    if (page == nullptr || focus == nullptr) return kNoControlId;
    for (const ControlTemplate& control : page->Template().controls) {
        if (control.id != kNoControlId && page->Control(control.id) == focus) return control.id;
    }
    return kNoControlId;
}

bool SheetWindow::focusNextPrevChild(bool next) {
    PageWidget* page = ActivePage();
    if (page == nullptr) return QDialog::focusNextPrevChild(next);
    const int id = NextFocus(SheetFocusCycle(page->Template(), m_help->isVisibleTo(this)), FocusId(), next ? 1 : -1);
    FocusOn(id, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const int step = PageStepOf(*static_cast<QKeyEvent*>(event));
        if (step != 0) {
            RequestNeighbourPage(step);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
