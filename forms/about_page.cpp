#include "forms/about_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "forms/about_picture.h"

namespace vc::forms {

namespace {

// The platform the program was built for.
#if defined(_WIN32)
constexpr const char* kPlatform = "Windows 10, 11";
#elif defined(__APPLE__)
constexpr const char* kPlatform = "macOS";
#elif defined(__linux__)
constexpr const char* kPlatform = "Linux";
#else
constexpr const char* kPlatform = "Unix";
#endif

// A label that shows an address as a link, with the hand pointer, and opens
// it when the left mouse button is pressed on it.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const char* name, const char* address, std::function<void()> open, QWidget* parent)
      : QLabel(QString::fromUtf8(address), parent), open_(std::move(open)) {
    setObjectName(QString::fromUtf8(name));
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
    setPalette(colours);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) open_();
    QLabel::mousePressEvent(event);
  }

 private:
  std::function<void()> open_;
};

QLabel* aboutLabel(const char* name, const char* text, bool bold, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

AboutPage::AboutPage(ShellOpener& shell, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabForm5"));
  auto* group = new QGroupBox(QStringLiteral("About The Vellacore"), this);
  group->setObjectName(QStringLiteral("groupb_1"));

  auto* picture = new AboutPicture(group);

  auto* heading = new QVBoxLayout;
  heading->addWidget(aboutLabel("label_1", "The Vellacore", true, group));
  // VC_VERSION is the project version of the build ("4.0").
  heading->addWidget(aboutLabel("label_2", "Version " VC_VERSION, true, group));
  heading->addWidget(aboutLabel("label_3", kPlatform, true, group));
  heading->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addLayout(heading, 1);

  // Each link stands just after its caption. VC_CONTACT_EMAIL and
  // VC_HOMEPAGE_URL are the project's addresses, set when it is configured.
  auto* mailRow = new QHBoxLayout;
  mailRow->addWidget(
      aboutLabel("label_6", "Send comments, bugs, or suggestions to:", false, group));
  mailRow->addWidget(new LinkLabel(
      "label_12", VC_CONTACT_EMAIL,
      [&shell]() { shell.openLink(QStringLiteral("mailto:" VC_CONTACT_EMAIL)); }, group));
  mailRow->addStretch(1);
  auto* homeRow = new QHBoxLayout;
  homeRow->addWidget(aboutLabel("label_7", "The Vellacore Home Page:", false, group));
  homeRow->addWidget(new LinkLabel(
      "label_13", VC_HOMEPAGE_URL, [&shell]() { shell.openLink(QStringLiteral(VC_HOMEPAGE_URL)); },
      group));
  homeRow->addStretch(1);

  auto* layout = new QVBoxLayout(group);
  layout->addLayout(top);
  layout->addWidget(
      aboutLabel("label_8", "Classical Analysis of Composite Laminates", true, group));
  layout->addWidget(aboutLabel(
      "label_9",
      "Computes apparent material properties, laminate matrices, and stress/strain/failure", false,
      group));
  layout->addWidget(aboutLabel(
      "label_10", "due to applied mechanical, thermal, and/or moisture loading.", false, group));
  layout->addLayout(mailRow);
  layout->addLayout(homeRow);
  layout->addStretch(1);
  auto* pageLayout = new QVBoxLayout(this);
  pageLayout->addWidget(group);
}

}  // namespace vc::forms
