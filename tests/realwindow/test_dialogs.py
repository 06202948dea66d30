"""The About window: modal to the whole program, which takes no input until it closes."""

import accessible
from calculator import TIMEOUT, TITLE
from session import RealWindowTest, main
from waiting import wait_for

ABOUT_TITLE = "О программе..."


class AboutWindowTest(RealWindowTest):
    def test_about_window_is_modal_and_gives_the_main_window_back(self):
        calculator = self.start_calculator()
        main_window = accessible.AccessibleProgram(calculator.process.pid).window(TITLE)
        exit_entry = accessible.centre(accessible.wait_find(main_window, "Выход"))
        about_entry = accessible.centre(accessible.wait_find(main_window, "О программе"))

        calculator.click_at(*about_entry)
        [about] = wait_for(calculator.other_windows, TIMEOUT, "the About window")
        self.assertEqual(calculator.title(about), ABOUT_TITLE)
        wait_for(lambda: calculator.active_window() == about, TIMEOUT, "the About window to become active")
        self.assertIn("_NET_WM_STATE_MODAL", calculator.desktop.run("xprop", "-id", about, "_NET_WM_STATE"))

        # Nothing of the main window answers meanwhile: a key, typing, the menu.
        calculator.click("1")
        calculator.type("2")
        calculator.click_at(*about_entry)
        calculator.click_at(*exit_entry)
        self.assertTrue(calculator.running())
        self.assertEqual(calculator.other_windows(), [about])

        wait_for(lambda: calculator.active_window() == about, TIMEOUT, "the About window to stay active")
        calculator.press("alt+F4")
        wait_for(lambda: not calculator.other_windows(), TIMEOUT, "the About window to close")
        wait_for(lambda: calculator.active_window() == calculator.window, TIMEOUT, "the main window to be active")
        # The display has the focus again and holds only what is typed now.
        calculator.type("3")
        calculator.wait_display("3")
        self.assertTrue(calculator.running())


if __name__ == "__main__":
    main()
