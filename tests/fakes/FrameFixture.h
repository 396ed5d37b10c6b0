#pragma once
// The main window over the document fixture, for the Qt tests of the frame.
// Qt Test runs every test function on one object: a test class holds its
// fixture in an optional, built in init() and dropped in cleanup().
#include "fakes/DocumentFixture.h"
#include "fakes/QtPrinting.h"
#include "ui/frame/MainFrame.h"

namespace marigold {

struct CFrameFixture : CDocumentFixture {
  explicit CFrameFixture(EData data = EData::Fresh) : CDocumentFixture(data), frame(*doc, store, prompter) {
    prompter.messages.clear();
    prompter.fileChoices.clear();
    prompter.saveDialogs.clear();
  }

  CMainFrame frame;
};

}  // namespace marigold
