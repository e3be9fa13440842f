#pragma once

#include <QString>

// Where the snapshot picture may be written. The picture keeps a fixed name,
// and the playback library writes it by path, following any link it finds;
// only a folder that no one else can write keeps another user from planting
// a link under that name.
class ZRVSnapshotFolder {
public:
    // The session's runtime folder when it is usable, else a folder of this
    // user under the temporary folder; empty when neither can be trusted.
    static QString path();

    // "zorva-UID" under `parent`, created for this user alone when absent.
    // An existing one is taken only when it is a real folder of this user
    // that no one else may enter; empty otherwise.
    static QString userOnlyFolder(const QString& parent);

    // A folder, not a link, owned by this user, with no rights for others.
    static bool isUserOnly(const QString& folder);
};
