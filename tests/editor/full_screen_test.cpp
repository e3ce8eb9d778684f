// Full screen is refused while the editor is open, also during a test started from it.

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace krattle::testing {
namespace {

TEST_F(EditorTest, FullScreenIsRefusedInTheEditorAndDuringItsTest) {
  Script("key E\nkey alt+Enter");
  EXPECT_FALSE(runner().Window.FullScreen);
  game().SwitchFullScreen();
  EXPECT_FALSE(runner().Window.FullScreen);
  Script("key T\nframes 5\nkey alt+Enter");
  ASSERT_EQ(flow().ScreenMode, smGame);
  EXPECT_FALSE(runner().Window.FullScreen);
  EXPECT_FALSE(game().Menu().MenusHidden);
}

TEST_F(EditorTest, TheEditorDoesNotOpenFromFullScreen) {
  Script("key alt+Enter\nkey E");
  EXPECT_TRUE(runner().Window.FullScreen);
  EXPECT_NE(flow().ScreenMode, smEditor);
}

}  // namespace
}  // namespace krattle::testing
