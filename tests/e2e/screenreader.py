#!/usr/bin/python3
"""Takes a whole reading from a running Quintavel as a screen reader user does: through the
accessibility bus alone. Windows and controls are found by their role and name, every button,
link and thumbnail is pressed through its accessible press action, the name is set through the
editable-text interface, and what the windows say is read back from the bus.

    screenreader.py <pid> <texts-dir> <browser-log> <home-page-address>

Prints one "ok: ..." line a step. The first check that fails ends it with "FAIL: ...", followed
by the accessible tree of every window the application shows.
"""

import os
import re
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# The action's name, not its translation, is what is looked for; its one call is marked old.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name", DeprecationWarning)

PID = int(sys.argv[1])
TEXTS, OPENED, HOME_PAGE = sys.argv[2], sys.argv[3], sys.argv[4]
TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "30"))
TITLE = "Quintavel v1.20"
FRUITS = ["Apple", "Banana", "Black Grapes", "Cherry", "Coconut", "Custard Apple", "Mango",
          "Orange", "Paneapple", "Papaya", "Peach", "Pear"]
BANNER = ("The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. "
          "Visit Tarnwell Now")


def text(name):
    with open(os.path.join(TEXTS, name + ".txt"), encoding="utf-8") as file:
        return file.read()


def shown(caption):
    """A caption as a label shows it: "&&" is one "&", a single "&" marks an access key."""
    return re.sub("&(.?)", r"\1", caption)


def accessibility_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1,
                                None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == PID:
            return app
    return None


def showing(obj):
    states = obj.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def windows():
    """The application's windows on the screen, read afresh from the bus."""
    app = application()
    if app is None:
        return []
    app.clear_cache()
    children = (app.get_child_at_index(i) for i in range(app.get_child_count()))
    return [window for window in children if window is not None and showing(window)]


def descendants(obj):
    for i in range(obj.get_child_count()):
        child = obj.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(root, role, name=None):
    """The controls under `root` with the role (as AT-SPI names it) and, if given, the name."""
    return [o for o in descendants(root)
            if o.get_role_name() == role and (name is None or o.get_name() == name)]


def actions(obj):
    return [obj.get_action_name(i) for i in range(obj.get_n_actions())]


def tree(obj, depth=0):
    lines = ["    %s%s %r %s" % ("  " * depth, obj.get_role_name(), obj.get_name(), actions(obj))]
    for child in (obj.get_child_at_index(i) for i in range(obj.get_child_count())):
        if child is not None:
            lines += tree(child, depth + 1)
    return lines


def fail(what):
    print("FAIL: " + what)
    print("  the application's windows on the bus:")
    try:
        for window in windows():
            print("\n".join(tree(window)))
    except GLib.Error as error:
        print("    (cannot read them: %s)" % error.message)
    sys.exit(1)


def check(condition, what):
    if not condition:
        fail(what)


def until(state, what):
    """Asks for the state until it holds, and returns it; fails after the timeout."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            found = state()
        except GLib.Error:
            found = None  # an object went away while it was read: read again
        if found:
            return found
        if time.monotonic() > deadline:
            fail("no " + what)
        time.sleep(0.05)


def window_with(role, name):
    """The one showing window that holds a control of that role and name."""
    def state():
        holding = [w for w in windows() if find(w, role, name)]
        return holding[0] if len(holding) == 1 else None
    return state


def nowhere(role, name):
    """No showing window holds a control of that role and name."""
    return lambda: all(not find(w, role, name) for w in windows())


def one(root, role, name):
    controls = find(root, role, name)
    check(len(controls) == 1, "one %s named %r, but %d" % (role, name, len(controls)))
    return controls[0]


def press_index(control):
    names = actions(control)
    check("Press" in names, "press action on the %s %r, only %s"
          % (control.get_role_name(), control.get_name(), names))
    return names.index("Press")


def press(control):
    """The action a screen reader takes to activate a control."""
    control.do_action(press_index(control))


def press_without_waiting(control):
    """Presses as press() does, without waiting for the answer: a menu item answers only once
    the modal window it opened has closed again."""
    message = Gio.DBusMessage.new_method_call(control.app.bus_name, control.path,
                                              "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (press_index(control),)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus = accessibility_bus()
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
    bus.flush_sync(None)
    bus.close_sync(None)


def opened_pages():
    with open(OPENED) as log:
        return log.read().splitlines()


# The main window: its title, the name box, the reading button and the links.
main = until(window_with("push button", "Get My Fruit Astrology Reading"), "main window")
check(main.get_role_name() == "frame" and main.get_name() == TITLE,
      "main window titled %r: %s %r" % (TITLE, main.get_role_name(), main.get_name()))
name_box = one(main, "text", "Name:-")
for caption in [BANNER, text("offer-cobrand"), text("offer-fullbrand")]:
    one(main, "link", shown(caption))
print("ok: the main window is titled %r; its name box is named after its label, its three "
      "links are links" % TITLE)

# Without a name, the message box says what is missing; its OK button closes it.
press(one(main, "push button", "Get My Fruit Astrology Reading"))
alert = until(window_with("label", "Please Enter Your Name"), "message box asking for the name")
check(alert.get_role_name() == "alert" and alert.get_name() == "Quintavel",
      "an alert titled 'Quintavel': %s %r" % (alert.get_role_name(), alert.get_name()))
press(one(alert, "push button", "OK"))
until(nowhere("label", "Please Enter Your Name"), "close of the message box")
print("ok: the message box is read as an alert with its text, and OK closes it")

# The name is set through the box's editable text; the reading button hands over.
name_box.set_text_contents("ANN")
until(lambda: name_box.get_text(0, -1) == "ANN", "name ANN in the box")
press(one(main, "push button", "Get My Fruit Astrology Reading"))
chooser = until(window_with("push button", "Pear"), "chooser window with its thumbnails")
check(chooser.get_name() == TITLE, "chooser titled %r, not %r" % (TITLE, chooser.get_name()))
thumbnails = [b.get_name() for b in find(chooser, "push button") if b.get_name() in FRUITS]
check(thumbnails == FRUITS, "the twelve thumbnails named in catalogue order: %s" % thumbnails)
check(not showing(main), "the main window hidden after the hand-over")
print("ok: the hand-over opens the chooser; its thumbnails are buttons named after their fruits")

# A link is pressed as the thumbnails are, and opens its page.
pages = len(opened_pages())
press(one(chooser, "link", BANNER))
until(lambda: opened_pages()[pages:] == [HOME_PAGE], "home page opened by the banner link")
print("ok: the banner link's press action opens the forum's home page")

# The Paneapple thumbnail shows its reading: the picture is named after it, the texts read.
press(one(chooser, "push button", "Paneapple"))
description = text("fruits/paneapple")
until(lambda: find(chooser, "image", "Paneapple"), "picture named Paneapple")
one(chooser, "label", "Paneapple")
one(chooser, "label", description)
print("ok: the Paneapple thumbnail shows its image, its name and the catalogue's description, "
      "%d characters" % len(description))

# The About window, from its menu item: a dialog with its title and two links.
press_without_waiting(one(chooser, "menu item", "About Software"))
about = until(window_with("link", "Click here to visit Tarnwell"), "About window")
check(about.get_role_name() == "dialog" and about.get_name() == TITLE,
      "About window a dialog titled %r: %s %r" % (TITLE, about.get_role_name(), about.get_name()))
one(about, "link", "Click here for more details.")
press(one(about, "push button", "OK"))
until(nowhere("link", "Click here to visit Tarnwell"), "close of the About window")
print("ok: the About window is a dialog titled %r with two links; OK closes it" % TITLE)

# File, Exit leaves the farewell window, whose Exit button ends the application.
press(one(chooser, "menu item", "Exit"))
farewell = until(window_with("push button", "Refer A Friend Now"), "farewell window")
check(farewell.get_name() == TITLE, "farewell titled %r, not %r" % (TITLE, farewell.get_name()))
for hint in ["Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"]:
    one(farewell, "text", hint)
one(farewell, "link", "Click Here To Visit Vellum Softwares")
print("ok: the farewell window is titled %r; its boxes are named after their hints" % TITLE)
press(one(farewell, "push button", "Exit"))
