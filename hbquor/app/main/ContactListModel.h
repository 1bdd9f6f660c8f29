// SPDX-License-Identifier: MIT
// ContactListModel: the user's contact list without any widget: the names
// in list order, the state image of each, and whether the list differs
// from the saved contacts file. The contacts pane only shows it
// (ContactPaneView); the list is the program's master copy, handed to the
// session before each logon.
//
// Names stand in NameSortsBefore order, so names differing only in the case
// of A to Z stand next to each other; everywhere else names are compared
// ignoring that case.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace hbquor {
enum class QuorUserStatus : std::uint8_t;
}

class ContactListModel {
public:
    /// The state images: blank, green tick, red cross, orange flash (not
    /// used) and green double tick.
    enum Image { Blank = 0, Tick = 1, Cross = 2, Flash = 3, DoubleTick = 4 };

    /// The image of a user status: offline blank, online tick, administrator
    /// double tick, anything else (not registered, pending) a cross.
    static Image StateImage(hbquor::QuorUserStatus status);

    struct Contact {
        QString Name;
        Image State = Blank;
    };

    /// Told after the names changed (loaded, added, removed) and after state
    /// images changed.
    void SetOnNamesChanged(std::function<void()> handler);
    void SetOnStatesChanged(std::function<void()> handler);

    /// Replaces the list with the file's names (duplicates kept), blank and
    /// sorted. A missing file gives an empty list.
    void Load(const QString &fileName);
    /// Writes the names in list order unless the file already holds exactly
    /// them and nothing changed since; true when the file holds the list.
    bool Save(const QString &fileName);
    /// Whether the list differs from what was last loaded or saved.
    bool IsDirty() const { return FDirty; }

    const QList<Contact> &Contacts() const { return FContacts; }
    QStringList Names() const;
    /// The first row whose name equals name ignoring case, or -1.
    int Find(const QString &name) const;
    /// Adds a blank contact in its sorted place; false when the name is
    /// already listed (ignoring case).
    bool Add(const QString &name);
    /// Removes the first contact named so (ignoring case); false when none is.
    bool Remove(const QString &name);
    /// Gives every contact named so (ignoring case) the status's image.
    void SetState(const QString &name, hbquor::QuorUserStatus status);
    /// Makes every image blank.
    void ClearStates();

private:
    void NamesChanged();

    QList<Contact> FContacts;
    bool FDirty = false;
    std::function<void()> FOnNamesChanged;
    std::function<void()> FOnStatesChanged;
};
