"""Every way of closing the main window ends the program at once with exit status 0."""

import accessible
from calculator import TITLE
from session import RealWindowTest, main


class ExitTest(RealWindowTest):
    def assert_ends_cleanly(self, calculator):
        self.assertEqual(calculator.wait_exit(), 0)

    def test_alt_f4(self):
        calculator = self.start_calculator()
        calculator.press("alt+F4")
        self.assert_ends_cleanly(calculator)

    def test_close_button_of_the_title_bar(self):
        calculator = self.start_calculator()
        calculator.click_title_bar_button("close")
        self.assert_ends_cleanly(calculator)

    def test_menu_entry_exit(self):
        calculator = self.start_calculator()
        window = accessible.AccessibleProgram(calculator.process.pid).window(TITLE)
        calculator.click_at(*accessible.centre(accessible.wait_find(window, "Выход")))
        self.assert_ends_cleanly(calculator)


if __name__ == "__main__":
    main()
