#pragma once

#include <cstddef>
#include <string>

class CPropertyPage;
class PageHost;

// The state of one walk over a page's exchange list. A failure stops the
// walk: every binding after it is left alone.
class CDataExchange {
public:
    CDataExchange(CPropertyPage& page, bool saveAndValidate);

    const bool m_bSaveAndValidate;
    CPropertyPage* const m_pDlgWnd;

    PageHost& Host() const;
    void PrepareEditCtrl(int id);
    void PrepareCtrl(int id);
    int LastControl() const { return m_lastControl; }

    // Puts the user back into the last prepared control and ends the walk.
    void Fail();
    bool Failed() const { return m_failed; }

private:
    int m_lastControl = -1;
    bool m_lastIsEdit = false;
    bool m_failed = false;
};

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, std::size_t maxChars);
void DDX_Check(CDataExchange* pDX, int id, bool& value);
// `id` is the group's first button; value is the index of the selected one.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
