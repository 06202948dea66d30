"""Typing and clicking through the real window reach the display."""

from session import RealWindowTest, main


class InputTest(RealWindowTest):
    def test_typing_reaches_the_display_at_start(self):
        calculator = self.start_calculator()
        calculator.type("12ab")
        calculator.wait_display("12ab")

    def test_entry_keys_edit_the_display_and_leave_the_focus_in_it(self):
        calculator = self.start_calculator()
        # Every read copies from the display by the keyboard: it works only while the
        # display keeps the focus, which a key never takes.
        for caption in ("1", "2", "3", "4", "5", "6", "7", "8", "9", "0"):
            calculator.click(caption)
        calculator.wait_display("1234567890")
        calculator.click("C")
        calculator.type("5")
        calculator.wait_display("5")
        # The desktop here has the C locale, whose decimal separator is the point.
        calculator.click(".")
        calculator.click("7")
        calculator.wait_display("5.7")


if __name__ == "__main__":
    main()
