// Help requests of the windows: a topic of the help file shown with its
// contents pane, or the index looked up at a keyword. The desktop program
// routes them to its help window; tests record them.
#pragma once

#include <QString>

namespace vc {

class HelpRequests {
 public:
  virtual ~HelpRequests() = default;
  // `topic` is a topic name such as "::html/vcla3rcn.htm".
  virtual void showTopic(const QString& topic) = 0;
  // Opens the index pane at `keyword` ("Overview").
  virtual void showIndex(const QString& keyword) = 0;
};

}  // namespace vc
