#include "framework/qt/ByteLineEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "framework/core/ControlRules.h"

namespace {

std::size_t ByteOffset(const QString& text, qsizetype position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u; }

}  // namespace

ByteLineEdit::ByteLineEdit(QWidget* parent) : QLineEdit(parent) {
    // What the field holds stops being the loaded bytes once the user changes it.
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    // Dropped text would go round the limit; the platform's edit control takes none either.
    setAcceptDrops(false);
}

void ByteLineEdit::SetBytes(const std::string& bytes) {
    m_loaded = bytes;
    m_loadedShown = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    m_edited = false;
    setText(m_loadedShown);
    setCursorPosition(0);
}

std::string ByteLineEdit::Bytes() const {
    // Edits undone, or typed back as they were, leave the loaded bytes.
    if (!m_edited || text() == m_loadedShown) return m_loaded;
    return text().toUtf8().toStdString();
}

void ByteLineEdit::InsertInput(const QString& input) {
    if (isReadOnly()) return;
    const QString shown = text();
    const qsizetype first = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype last = hasSelectedText() ? selectionEnd() : cursorPosition();

    EditState edit;
    edit.text = shown.toUtf8().toStdString();
    edit.selectionStart = ByteOffset(shown, first);
    edit.selectionEnd = ByteOffset(shown, last);
    edit.limit = m_limit;

    // Whatever the limit leaves room for, only whole characters go in.
    std::string bytes = input.toUtf8().toStdString();
    const std::size_t kept = edit.text.size() - (edit.selectionEnd - edit.selectionStart);
    const std::size_t room = kept >= m_limit ? 0 : m_limit - kept;
    if (bytes.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsContinuationByte(bytes[cut])) --cut;
        bytes.resize(cut);
    }

    const std::string before = edit.text;
    ReplaceSelection(edit, bytes);
    if (edit.text == before) return;
    // The field makes the same change itself, so its undo history stays whole.
    const std::size_t from = ByteOffset(shown, first);
    const std::string added = edit.text.substr(from, edit.selectionEnd - from);
    insert(QString::fromUtf8(added.data(), static_cast<qsizetype>(added.size())));
    m_edited = true;
}

void ByteLineEdit::PasteFrom(QClipboard::Mode mode) {
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (!clip.isEmpty()) InsertInput(clip);
}

void ByteLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
        InsertInput(typed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ByteLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || event->replacementLength() != 0) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition ends as usual; its result is typed like any key.
    QInputMethodEvent ended(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&ended);
    InsertInput(commit);
    event->accept();
}

void ByteLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

QMenu* ByteLineEdit::CreateContextMenu() {
    // Built here rather than taken from Qt, whose Paste would bypass the limit.
    auto* menu = new QMenu(this);
    auto add = [&](const QString& text, const QKeySequence& keys, bool enabled, auto&& run) {
        QAction* action = menu->addAction(text, this, run);
        action->setShortcut(keys);
        action->setEnabled(enabled);
        return action;
    };
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText() && echoMode() == QLineEdit::Normal;
    add(tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(), [this] { undo(); });
    add(tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, editable && selected, [this] { cut(); });
    add(tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    add(tr("&Paste"), QKeySequence::Paste, editable && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { PasteFrom(QClipboard::Clipboard); })
        ->setObjectName(QStringLiteral("edit-paste"));
    add(tr("Delete"), QKeySequence(), editable && hasSelectedText(), [this] { del(); });
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(), [this] { selectAll(); });
    return menu;
}

void ByteLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}
