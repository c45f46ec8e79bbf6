#pragma once

#include <deque>

#include "behaviour/BehaviourDriver.h"
#include "framework/headless/HeadlessBackend.h"

// The behaviour table on the headless backend, in process. As on the
// desktop, there is no help engine, and a picked file moves the working
// directory to its folder unless the picker was asked not to.
class HeadlessDriver : public BehaviourDriver {
public:
    HeadlessDriver();

    BackendName Backend() const override { return BackendName::Headless; }
    void AnswerNextPicker(std::optional<std::string> path) override { m_backend.answers.push_back(std::move(path)); }
    void Run(const std::function<void()>& user) override;

    bool SheetOpen() override;
    void ShowPage(int page) override;
    void Press(Key key) override;
    void Type(std::string_view text) override;
    void Paste(std::string_view text) override;
    void Click(int id) override;
    int ActivePage() override;
    int FocusedId() override;
    std::string Text(int id) override;
    std::string SelectedText(int id) override;
    bool Checked(int id) override;
    std::vector<std::string> MessageBoxes() override;

private:
    // Both kinds of picker answered from one queue, in the order they open.
    class PickerBackend : public HeadlessBackend {
    public:
        FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
        FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) override;
        std::deque<std::optional<std::string>> answers;

    private:
        std::optional<std::string> NextAnswer();
    };

    PickerBackend m_backend;
    HeadlessUser* m_user = nullptr;
};
