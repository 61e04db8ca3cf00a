// The help window: the program's help pages, one per written standard, in a text browser.
#pragma once

#include <QTextBrowser>

namespace ferdix {

// The page of a help topic (kHelpTopicBokmal, kHelpTopicNynorsk); the bokmål one for others.
QUrl HelpPage(int topic);

class CHelpWindow final : public QTextBrowser {
  public:
    explicit CHelpWindow(QWidget* owner);

    // Shows the topic's page and brings the window forward.
    void ShowTopic(int topic);
    int Topic() const { return m_topic; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int m_topic = 0;
};

}  // namespace ferdix
