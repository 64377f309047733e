"""What the guide's picture script reads from the running window through the
desktop's accessibility bus (AT-SPI), and the program's texts from its text
table, so that the keys it types follow the program in either language.

Usage: window.py text NAME LANGUAGE
           the program's text NAME ("TitleArena") in LANGUAGE (FR, EN, IT, GE)
       window.py keys MENU COMMAND LANGUAGE
           the xdotool keys that open the menu and run its command, both
           named as in the text table: "MenuTools MenuArenaNetwork" gives
           "alt+t Down Down Down Down Down Down Down Down Return"
       window.py opens MENU LANGUAGE
           the xdotool key that opens the menu: "alt+s" for "Saisie"
       window.py code
           the six-digit entry code the window shows
       window.py chooser
           the screen position of the toolbar's sheet chooser ("X Y")
       window.py button NAME LANGUAGE
           the screen position of the middle of the button labelled with the
           program's text NAME
"""
import pathlib
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TEXT_TABLE = pathlib.Path(__file__).resolve().parents[2] / "src/core/texts/TextTable.h"
LANGUAGES = ("FR", "EN", "IT", "GE")
LITERALS = r'(?:"(?:[^"\\]|\\.)*"\s*)+'


def text(name, language):
    """The program's text `name` in `language`: each entry of the table is
    ZAV_TEXT(offset, Name, "French", "English", "Italian", "German"), a text
    possibly split into adjacent literals."""
    table = TEXT_TABLE.read_text(encoding="utf-8")
    entry = re.search(
        r"ZAV_TEXT\(\d+,\s*" + re.escape(name) + r",\s*" + r",\s*".join([f"({LITERALS})"] * 4), table
    )
    if not entry:
        sys.exit(f"window.py: no text {name} in {TEXT_TABLE}")
    literal = entry.group(1 + LANGUAGES.index(language))
    return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', literal)).replace('\\"', '"')


def program():
    """The program on the accessibility bus, once it has registered."""
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "zavscore":
                return app
        time.sleep(0.1)
    sys.exit("window.py: the program is not on the accessibility bus")


def descendants(node, role):
    if node.get_role() == role:
        yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from descendants(child, role)


def menu_named(menu_name, language):
    label = text(menu_name, language)
    for bar in descendants(program(), Atspi.Role.MENU_BAR):
        for i in range(bar.get_child_count()):
            menu = bar.get_child_at_index(i)
            if menu.get_name() == label:
                return menu
    sys.exit(f"window.py: no menu {label}")


def opening_key(menu):
    """Alt and the menu's letter ("<Alt>s" on the bus)."""
    binding = Atspi.Action.get_key_binding(menu, 0).split(";")[0]
    return "alt+" + binding.replace("<Alt>", "").lower()


def menu_keys(menu_name, command_name, language):
    menu, command_label = menu_named(menu_name, language), text(command_name, language)
    # The menu opens on its first enabled command; Down passes over
    # separators and disabled commands.
    downs = 0
    for k in range(menu.get_child_count()):
        item = menu.get_child_at_index(k)
        if item.get_role() == Atspi.Role.SEPARATOR:
            continue
        enabled = item.get_state_set().contains(Atspi.StateType.SENSITIVE)
        if item.get_name() == command_label:
            if not enabled:
                sys.exit(f"window.py: {command_label} is disabled")
            return [opening_key(menu)] + ["Down"] * downs + ["Return"]
        downs += enabled
    sys.exit(f"window.py: no {command_label} in the menu {menu.get_name()}")


def entry_code():
    for _ in range(50):
        for label in descendants(program(), Atspi.Role.LABEL):
            found = re.search(r"\b(\d{6})\b", label.get_name() or "")
            if found:
                return found.group(1)
        time.sleep(0.1)
    sys.exit("window.py: no entry code in the window")


def chooser_position():
    """The middle of the sheet chooser's arrow, at its right end."""
    for combo in descendants(program(), Atspi.Role.COMBO_BOX):
        box = Atspi.Component.get_extents(combo, Atspi.CoordType.SCREEN)
        if box.width > 0 and box.x >= 0:
            return f"{box.x + box.width - box.height // 2} {box.y + box.height // 2}"
    sys.exit("window.py: no sheet chooser on the toolbar (is the window wide enough?)")


def button_position(name, language):
    label = text(name, language)
    for button in descendants(program(), Atspi.Role.PUSH_BUTTON):
        if button.get_name() == label:
            box = Atspi.Component.get_extents(button, Atspi.CoordType.SCREEN)
            return f"{box.x + box.width // 2} {box.y + box.height // 2}"
    sys.exit(f"window.py: no button {label} in the window")


if __name__ == "__main__":
    command, arguments = sys.argv[1:2], sys.argv[2:]
    if command == ["text"] and len(arguments) == 2:
        print(text(*arguments))
    elif command == ["keys"] and len(arguments) == 3:
        print(" ".join(menu_keys(*arguments)))
    elif command == ["opens"] and len(arguments) == 2:
        print(opening_key(menu_named(*arguments)))
    elif command == ["code"] and not arguments:
        print(entry_code())
    elif command == ["chooser"] and not arguments:
        print(chooser_position())
    elif command == ["button"] and len(arguments) == 2:
        print(button_position(*arguments))
    else:
        sys.exit(__doc__)
