#include "behaviour/BehaviourSuite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace {

std::string Substitute(std::string_view view, const std::string& folder) {
    std::string text(view);
    const std::string mark = "$FOLDER";
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + folder.size())) {
        text.replace(at, mark.size(), folder);
    }
    return text;
}

// The canonical default file with these values set.
std::string CanonicalWith(const Values& values, const std::string& folder) {
    std::string text = DefaultFileText();
    for (const auto& [keyView, value] : values) {
        const std::string key(keyView);
        const std::size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return "(no key " + key + " in the default file)";
        const std::size_t from = at + 1 + key.size() + 1;
        text.replace(from, text.find("\r\n", from) - from, Substitute(value, folder));
    }
    return text;
}

const char* StepName(Step::Kind kind) {
    static const char* const names[] = {"Show", "Press", "Type",  "Paste", "Click",  "OnPage",
                                        "Focus", "Text", "Selected", "Checked", "Messages", "Closed"};
    return names[kind];
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += "[" + text + "]";
    return joined.empty() ? "(none)" : joined;
}

class RowPlayer {
public:
    RowPlayer(BehaviourDriver& driver, const std::string& folder) : m_driver(driver), m_folder(folder) {}

    void Play(const std::vector<Step>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            m_step = i;
            Do(steps[i]);
        }
    }

    // Boxes shown that no step has looked at yet.
    std::vector<std::string> Unseen() {
        const std::vector<std::string> all = m_driver.MessageBoxes();
        return {all.begin() + static_cast<long>(std::min(m_seen, all.size())), all.end()};
    }

    std::vector<std::string> mismatches;

private:
    template <class T>
    void Expect(const Step& step, const T& got, const T& want) {
        if (got == want) return;
        std::ostringstream line;
        line << "step " << m_step + 1 << " (" << StepName(step.kind) << " " << step.id << "): got " << got
             << ", want " << want;
        mismatches.push_back(line.str());
    }

    void Do(const Step& step) {
        BehaviourDriver& d = m_driver;
        const std::string text = Substitute(step.text, m_folder);
        switch (step.kind) {
            case Step::Show: d.ShowPage(step.id); return;
            case Step::Press: d.Press(static_cast<Key>(step.id)); return;
            case Step::Type: d.Type(text); return;
            case Step::Paste: d.Paste(text); return;
            case Step::Click: d.Click(step.id); return;
            case Step::IsOnPage: Expect(step, d.ActivePage(), step.id); return;
            case Step::HasFocus: Expect(step, d.FocusedId(), step.id); return;
            case Step::HasText: Expect(step, d.Text(step.id), text); return;
            case Step::HasSelected: Expect(step, d.SelectedText(step.id), d.Text(step.id)); return;
            case Step::IsChecked: Expect(step, d.Checked(step.id), step.flag); return;
            case Step::ShowsMessages: {
                std::vector<std::string> want;
                if (step.flag) want.push_back(text);
                Expect(step, Joined(Unseen()), Joined(want));
                m_seen = d.MessageBoxes().size();
                return;
            }
            case Step::IsClosed: Expect(step, !d.SheetOpen(), step.flag); return;
        }
    }

    BehaviourDriver& m_driver;
    std::string m_folder;
    std::size_t m_step = 0;
    std::size_t m_seen = 0;
};

}  // namespace

std::vector<std::string> PlayRow(BehaviourDriver& driver, const BehaviourRow& row) {
    ScratchFolder scratch;
    const std::string& folder = scratch.Path();
    std::string before;
    if (row.file) {
        for (std::string_view line : *row.file) before += Substitute(line, folder) + "\r\n";
        WriteFile("quorvane.ini", before);
    }
    for (std::string_view name : row.extraFiles) {
        const std::string path = scratch.PathOf(std::string(name));
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteFile(path, "");
    }
    for (const std::optional<std::string_view>& answer : row.pickers) {
        driver.AnswerNextPicker(answer ? std::optional(Substitute(*answer, folder)) : std::nullopt);
    }

    RowPlayer player(driver, folder);
    bool sheetShown = false;
    driver.Run([&] {
        sheetShown = true;
        player.Play(row.steps);
    });
    std::vector<std::string> mismatches = std::move(player.mismatches);
    if (sheetShown != row.file.has_value()) mismatches.push_back(sheetShown ? "a sheet opened" : "no sheet opened");

    std::vector<std::string> outside;
    for (std::string_view message : row.messagesOutsideSheet) outside.push_back(Substitute(message, folder));
    if (Joined(player.Unseen()) != Joined(outside)) {
        mismatches.push_back("message boxes no step looked at: " + Joined(player.Unseen()) + ", want " +
                             Joined(outside));
    }

    const std::string path = scratch.PathOf("quorvane.ini");
    if (!row.file) {
        if (ListFolder(folder) != "") mismatches.push_back("the folder got: " + ListFolder(folder));
    } else if (!row.written) {
        if (ReadFile(path) != before) mismatches.push_back("the file changed");
    } else if (ReadFile(path) != CanonicalWith(*row.written, folder)) {
        mismatches.push_back("the file written differs from the canonical one with the row's values");
    }
    return mismatches;
}

void CheckRow(BehaviourDriver& driver, const BehaviourRow& row) {
    const std::vector<std::string> mismatches = PlayRow(driver, row);
    for (const Difference& difference : row.differs) {
        if (difference.backend != driver.Backend()) continue;
        EXPECT_FALSE(mismatches.empty()) << "marked as differing here (" << difference.reason
                                         << "), but behaves as the table says: drop the mark";
        return;
    }
    for (const std::string& mismatch : mismatches) ADD_FAILURE() << mismatch;
}

namespace {

class RowTest : public ::testing::Test {
public:
    RowTest(DriverFactory makeDriver, const BehaviourRow& row) : m_makeDriver(makeDriver), m_row(row) {}
    void TestBody() override {
        const std::unique_ptr<BehaviourDriver> driver = m_makeDriver();
        CheckRow(*driver, m_row);
    }

private:
    DriverFactory m_makeDriver;
    const BehaviourRow& m_row;
};

}  // namespace

bool RegisterBehaviourSuite(const char* suite, DriverFactory makeDriver) {
    for (const BehaviourRow& row : BehaviourRows()) {
        ::testing::RegisterTest(suite, std::string(row.name).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [makeDriver, &row]() -> ::testing::Test* { return new RowTest(makeDriver, row); });
    }
    return true;
}
