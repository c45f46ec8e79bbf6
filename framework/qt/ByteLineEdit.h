#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <cstddef>
#include <limits>
#include <string>

// A text field whose value is bytes. It shows them decoded as UTF-8 and
// gives back exactly the bytes it was given until the user edits it, so a
// value in another encoding survives a visit to its page. Typed and pasted
// text goes through the shared edit rule, which counts the bytes the file
// will hold.
class ByteLineEdit : public QLineEdit {
public:
    explicit ByteLineEdit(QWidget* parent = nullptr);

    void SetBytes(const std::string& bytes);
    std::string Bytes() const;
    void SetLimit(std::size_t limit) { m_limit = limit; }
    std::size_t Limit() const { return m_limit; }
    bool IsEdited() const { return m_edited; }

    // Typing or pasting `input` over the selection.
    void InsertInput(const QString& input);
    void PasteFrom(QClipboard::Mode mode);
    // The usual edit menu, its Paste through the same rule as the keys.
    QMenu* CreateContextMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::string m_loaded;
    QString m_loadedShown;
    bool m_edited = false;
    std::size_t m_limit = std::numeric_limits<std::size_t>::max();
};
