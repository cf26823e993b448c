// The help topics the program asks for, and where they live in the help
// collection built from help/html. A topic name is written the way the
// windows request it: "::" and the page's path inside the help file. The
// help window opens
//   qthelp://<kHelpNamespace>/<kHelpVirtualFolder>/<path of the topic>
// in the collection kHelpCollectionFile beside the executable.
// Plain data: the pages, the windows and the help tests share this list.
#pragma once

#include <string_view>

namespace vc::help {

// Program description: F1, Help > Program Description, and any page
// without a topic of its own.
inline constexpr const char* kProgramDescriptionTopic = "::html/vcla3rcn.htm";

// The pages of the main window, by tab index (Help button, Help on Visible Form).
inline constexpr const char* kSettingsPageTopic = "::html/vcla4dgz.htm";
inline constexpr const char* kMaterialsPageTopic = "::html/vcla52sz.htm";
inline constexpr const char* kStrengthPageTopic = "::html/vcla33oo.htm";
inline constexpr const char* kLayupPageTopic = "::html/vcla1xyo.htm";
inline constexpr const char* kLoadsPageTopic = "::html/vcla8h2r.htm";
inline constexpr const char* kMicromechanicsPageTopic = "::html/vcla3igj.htm";
inline constexpr const char* kAboutPageTopic = "::html/vcla4gby.htm";
inline constexpr const char* kPageTopics[] = {
    kSettingsPageTopic, kMaterialsPageTopic,      kStrengthPageTopic, kLayupPageTopic,
    kLoadsPageTopic,    kMicromechanicsPageTopic, kAboutPageTopic};

// The Help buttons of the windows.
inline constexpr const char* kResultsWindowTopic = "::html/vcla6vz9.htm";
inline constexpr const char* kMaterialLibraryTopic = "::html/vcla3xbt.htm";
inline constexpr const char* kUserLibraryTopic = "::html/vcla5rsp.htm";

// Every topic name that the program can request.
inline constexpr const char* kRequestedTopics[] = {
    kProgramDescriptionTopic, kSettingsPageTopic,    kMaterialsPageTopic,      kStrengthPageTopic,
    kLayupPageTopic,          kLoadsPageTopic,       kMicromechanicsPageTopic, kAboutPageTopic,
    kResultsWindowTopic,      kMaterialLibraryTopic, kUserLibraryTopic};

// Help > Help Topics opens the index at this keyword.
inline constexpr const char* kIndexKeyword = "Overview";

// The collection the help window opens, beside the executable, and the
// names the help project gives its pages.
inline constexpr const char* kHelpCollectionFile = "vellacore.qhc";
inline constexpr const char* kHelpNamespace = "vellacore.help";
inline constexpr const char* kHelpVirtualFolder = "doc";

// The path of a topic inside the help project ("html/vcla3rcn.htm" for
// "::html/vcla3rcn.htm"); a name without the "::" is taken as a path.
constexpr std::string_view topicPath(std::string_view topic) {
  return topic.substr(0, 2) == "::" ? topic.substr(2) : topic;
}

}  // namespace vc::help
