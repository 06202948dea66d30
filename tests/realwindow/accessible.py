"""The calculator as a screen reader meets it: through the AT-SPI accessibility tree of the
desktop's accessibility bus. Import after the desktop's environment is in os.environ, since
the AT-SPI library finds its bus through it."""

import pyatspi
from gi.repository import Atspi, GLib

from calculator import TIMEOUT
from waiting import wait_for

KEY_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)


def states(accessible):
    return set(accessible.getState().getStates())


def descendants(root):
    for child in root:
        if child is not None:
            yield child
            yield from descendants(child)


def keys(root):
    return [a for a in descendants(root) if a.getRole() in KEY_ROLES]


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def press(accessible):
    """Activates the control through its accessible action, as a screen reader does."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert "Press" in names, f"{accessible.name!r} offers no Press action, only {names}"
    assert action.doAction(names.index("Press")), f"{accessible.name!r} refused to be pressed"


class AccessibleProgram:
    """The program's node in the accessibility tree, found by its process id."""

    def __init__(self, pid):
        self.pid = pid
        self.node = wait_for(self._find, TIMEOUT, f"process {pid} on the accessibility bus")

    def _find(self):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == self.pid:
                return application
        return None

    def window(self, title):
        def shown():
            for window in self.node:
                if window is not None and window.name == title and pyatspi.STATE_SHOWING in states(window):
                    return window
            return None

        return wait_for(shown, TIMEOUT, f"the window {title!r} in the accessibility tree")


def find(root, name, roles=None):
    for accessible in descendants(root):
        if accessible.name == name and (roles is None or accessible.getRole() in roles):
            return accessible
    return None


def wait_find(root, name, roles=None):
    return wait_for(lambda: find(root, name, roles), TIMEOUT, f"{name!r} in the accessibility tree")


class EventLog:
    """The accessibility events of some kinds, as a screen reader hears them."""

    def __init__(self, *kinds):
        self.kinds = kinds
        self.events = []
        pyatspi.Registry.registerEventListener(self._hear, *kinds)

    def _hear(self, event):
        self.events.append((event.type, event.source.name, event.any_data))

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._hear, *self.kinds)

    def wait(self, match, what):
        """Delivers pending events until one matches."""
        context = GLib.MainContext.default()

        def heard():
            while context.iteration(False):
                pass
            return any(match(*event) for event in self.events)

        try:
            wait_for(heard, TIMEOUT, what)
        except AssertionError as failure:
            raise AssertionError(f"{failure}; heard {self.events}") from None


def extents(accessible):
    """Where the control shows on the screen: x, y, width, height."""
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def centre(accessible):
    x, y, width, height = extents(accessible)
    return x + width // 2, y + height // 2
