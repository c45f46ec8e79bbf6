#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "config/SettingsCatalogue.h"
#include "framework/core/ControlRules.h"
#include "support/SheetUnderTest.h"

// The tables that must agree with each other: the settings catalogue, each
// page's exchange list and Browse map, and the page templates. Every check
// goes through the real pages, so a row wired to the wrong member, control
// or page shows up here rather than as a setting that silently never saves.

namespace {

// A page window that notes every control the page's exchange list loads.
class RecordingPage : public HeadlessPage {
public:
    using HeadlessPage::HeadlessPage;
    void SetControlText(int id, const std::string& text) override {
        textIds.insert(id);
        HeadlessPage::SetControlText(id, text);
    }
    void SetControlChecked(int id, bool checked) override {
        checkIds.insert(id);
        HeadlessPage::SetControlChecked(id, checked);
    }
    std::set<int> textIds;
    std::set<int> checkIds;
};

// A control of one page: the page's index and the control's template index.
using ControlRef = std::pair<int, std::size_t>;

// The five pages as the start-up routine wires them, loaded from `settings`
// into windows of their own.
class LoadedPages {
public:
    explicit LoadedPages(const EmulatorSettings& settings) {
        TransferToPages(settings, {t.paths, t.oric, t.telestrat, t.addons, t.system});
        for (int i = 0; i < t.sheet.GetPageCount(); ++i) {
            CPropertyPage* page = t.sheet.GetPage(i);
            hosts.push_back(std::make_unique<RecordingPage>(page->GetTemplate()));
            page->AttachWindow(hosts.back().get());
            loaded.push_back(page->UpdateData(false));
        }
    }
    ~LoadedPages() {
        for (int i = 0; i < t.sheet.GetPageCount(); ++i) t.sheet.GetPage(i)->AttachWindow(nullptr);
    }
    LoadedPages(const LoadedPages&) = delete;
    LoadedPages& operator=(const LoadedPages&) = delete;

    std::string State(const ControlRef& ref) {
        RecordingPage& host = *hosts[static_cast<std::size_t>(ref.first)];
        const ControlTemplate& control = host.Template().controls[ref.second];
        switch (control.kind) {
            case ControlKind::TextField: return "text " + host.Edit(control.id).text;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton: return host.Checked(control.id) ? "on" : "off";
            default: return {};
        }
    }

    // The controls whose state differs from `other`'s.
    std::vector<ControlRef> Differences(LoadedPages& other) {
        std::vector<ControlRef> changed;
        for (std::size_t page = 0; page < hosts.size(); ++page) {
            for (std::size_t i = 0; i < hosts[page]->Template().controls.size(); ++i) {
                const ControlRef ref{static_cast<int>(page), i};
                if (State(ref) != other.State(ref)) changed.push_back(ref);
            }
        }
        return changed;
    }

    const ControlTemplate& Control(const ControlRef& ref) {
        return hosts[static_cast<std::size_t>(ref.first)]->Template().controls[ref.second];
    }

    SheetUnderTest t;
    std::vector<std::unique_ptr<RecordingPage>> hosts;
    std::vector<bool> loaded;
};

// Every control the pages' exchange lists load, checked against the page
// templates on the way.
std::set<ControlRef> ExchangedControls() {
    LoadedPages pages{EmulatorSettings()};
    std::set<ControlRef> exchanged;
    for (std::size_t page = 0; page < pages.hosts.size(); ++page) {
        EXPECT_TRUE(pages.loaded[page]) << "page " << page << " failed to load";
        EXPECT_TRUE(pages.t.sheet.GetPage(static_cast<int>(page))->UpdateData(true)) << "page " << page;
        RecordingPage& host = *pages.hosts[page];
        for (int id : host.textIds) {
            const auto index = FindControl(host.Template(), id);
            if (!index) {
                ADD_FAILURE() << "page " << page << " exchanges text with " << id << ", not in its template";
                continue;
            }
            EXPECT_EQ(host.Template().controls[*index].kind, ControlKind::TextField) << id;
            exchanged.insert({static_cast<int>(page), *index});
        }
        for (int id : host.checkIds) {
            const auto index = FindControl(host.Template(), id);
            if (!index) {
                ADD_FAILURE() << "page " << page << " exchanges a tick with " << id << ", not in its template";
                continue;
            }
            const ControlKind kind = host.Template().controls[*index].kind;
            EXPECT_TRUE(kind == ControlKind::CheckBox || kind == ControlKind::RadioButton) << id;
            exchanged.insert({static_cast<int>(page), *index});
        }
    }
    return exchanged;
}

}  // namespace

// Each setting moves controls of its kind on its own page, and between them
// the settings move every control the pages exchange, each exactly once.
TEST(CrossTables, EverySettingIsBoundOnItsOwnPageByAControlOfItsKind) {
    const EmulatorSettings defaults;
    LoadedPages base(defaults);
    std::map<ControlRef, std::string_view> driven;
    auto drive = [&](const ControlRef& ref, std::string_view key) {
        const auto [at, fresh] = driven.emplace(ref, key);
        EXPECT_TRUE(fresh) << key << " and " << at->second << " both move control " << ref.second << " of page "
                           << ref.first;
    };
    for (const SettingDescriptor& setting : SettingsCatalogue()) {
        const int page = static_cast<int>(setting.page);
        if (setting.kind != SettingKind::Choice) {
            EmulatorSettings probe = defaults;
            if (setting.kind == SettingKind::Text) probe.*setting.text = "probe";
            if (setting.kind == SettingKind::Flag) probe.*setting.flag = !(probe.*setting.flag);
            LoadedPages probed(probe);
            const std::vector<ControlRef> changed = probed.Differences(base);
            ASSERT_EQ(changed.size(), 1u) << setting.key << " moves " << changed.size() << " controls";
            EXPECT_EQ(changed[0].first, page) << setting.key;
            EXPECT_EQ(probed.Control(changed[0]).kind,
                      setting.kind == SettingKind::Text ? ControlKind::TextField : ControlKind::CheckBox)
                << setting.key;
            drive(changed[0], setting.key);
            continue;
        }
        // A choice: the values other than the default's move the radio
        // buttons of one group, and no other control.
        std::set<ControlRef> group;
        for (int value = 1; value < 4; ++value) {
            EmulatorSettings probe = defaults;
            probe.*setting.choice = value;
            LoadedPages probed(probe);
            for (const ControlRef& ref : probed.Differences(base)) {
                EXPECT_EQ(ref.first, page) << setting.key;
                EXPECT_EQ(probed.Control(ref).kind, ControlKind::RadioButton) << setting.key;
                group.insert(ref);
            }
        }
        ASSERT_FALSE(group.empty()) << setting.key;
        const DialogTemplate& dialog = base.hosts[static_cast<std::size_t>(page)]->Template();
        std::set<ControlRef> marked;
        for (std::size_t member : RadioGroupOf(dialog, group.begin()->second)) marked.insert({page, member});
        EXPECT_EQ(group, marked) << setting.key << ": the values reach exactly the buttons of one group";
        for (const ControlRef& ref : group) drive(ref, setting.key);
    }
    std::set<ControlRef> moved;
    for (const auto& entry : driven) moved.insert(entry.first);
    EXPECT_EQ(moved, ExchangedControls()) << "a control the pages exchange that no setting moves, or the reverse";
    // And no field, box or radio button of a template is left out.
    std::set<ControlRef> controls;
    for (std::size_t page = 0; page < base.hosts.size(); ++page) {
        const DialogTemplate& dialog = base.hosts[page]->Template();
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            const ControlKind kind = dialog.controls[i].kind;
            if (kind == ControlKind::TextField || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton) {
                controls.insert({static_cast<int>(page), i});
            }
        }
    }
    EXPECT_EQ(moved, controls) << "a control of a template that no setting moves";
}

// A Browse button fills the field that follows it in the Tab order.
TEST(CrossTables, EveryBrowseButtonFillsTheFieldBesideIt) {
    const EmulatorSettings defaults;
    const std::size_t pageCount = LoadedPages(defaults).hosts.size();
    for (std::size_t page = 0; page < pageCount; ++page) {
        LoadedPages listing(defaults);
        for (const ControlTemplate& control : listing.hosts[page]->Template().controls) {
            if (control.kind != ControlKind::PushButton) continue;
            LoadedPages before(defaults);
            LoadedPages pages(defaults);
            CPropertyPage* target = pages.t.sheet.GetPage(static_cast<int>(page));
            ASSERT_TRUE(target->OnCmdMsg(control.id, false)) << "button " << control.id << " of page " << page;
            pages.t.backend.AnswerNextFileDialog({{DialogOutcome::Confirmed, "/picked/file.rom", {}}, {}});
            pages.t.backend.AnswerNextFolderPicker({true, true, "/picked/file"});
            target->OnCmdMsg(control.id, true);
            const std::vector<ControlRef> changed = pages.Differences(before);
            ASSERT_EQ(changed.size(), 1u) << "button " << control.id << " of page " << page;
            EXPECT_EQ(changed[0].first, static_cast<int>(page)) << control.id;
            EXPECT_EQ(pages.Control(changed[0]).kind, ControlKind::TextField) << control.id;
            EXPECT_NE(pages.State(changed[0]).find("file"), std::string::npos) << control.id;
            const DialogTemplate& dialog = pages.hosts[page]->Template();
            const std::vector<std::size_t> stops = TabStops(dialog);
            const auto at = std::find(stops.begin(), stops.end(), *FindControl(dialog, control.id));
            ASSERT_TRUE(at != stops.end() && at + 1 != stops.end()) << control.id;
            EXPECT_EQ(changed[0].second, *(at + 1)) << "button " << control.id << " fills another field";
        }
    }
}
