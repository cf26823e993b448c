// Where the help collection is found and opened. The build writes the
// collection vellacore.qhc and its help file vellacore.qch beside the
// executable; an installed program finds them in <prefix>/share/vellacore
// (the executable itself lives in the program's private folder, with a link
// in bin/). The help window opens a copy in a folder the user may write,
// because its search index is kept beside the collection.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vc::forms {

// The places to look for the collection, in order, for an executable in
// `programFolder` (links resolved): beside it, then the installed data
// folder as seen from the program's private folder and from a bin/ folder.
QStringList helpCollectionCandidates(const QString& programFolder);

// The first candidate that exists for the running executable, or empty when
// the program was built or installed without help.
QString installedHelpCollection();

// A copy of `collection` and its help file in the user's application data
// folder (or else the temporary folder), refreshed when the installed help
// file changed; `collection` itself when no copy can be made.
QString writableHelpCollection(const QString& collection);

// The address of a topic ("::html/vcla3rcn.htm") inside the collection.
QUrl helpTopicUrl(const QString& topic);

}  // namespace vc::forms
