#!/usr/bin/python3
"""The editor seen from outside: starts the real mapeditor on a private virtual
X display (Xvfb, no window manager) and checks what the window system receives
from it: window titles, the full-screen view's place, picture and keyboard
focus, and what painting with the mouse saves.

    outside_check.py EDITOR DATA_FOLDER

EDITOR is the mapeditor binary, DATA_FOLDER a sample application folder (the
repository's data/); every run of the editor gets its own copy of it. Prints
one line per check and exits with 0 when all pass, 1 when any fails.
Needs Xvfb, xdotool and python3-xlib (Debian's /usr/bin/python3)."""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display, error

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
CLIENT_WIDTH, CLIENT_HEIGHT = 724, 474  # the main window below its menu bar
MAP_SURFACE = (210, 26)  # client coordinates of the map's drawn surface, 10 x 10 cells of 32 px
CELL = 32
FULL_SCREEN_BUTTON = (400, 432, 129, 25)  # "Во весь экран", client coordinates
BACKGROUND_GREY = (0x40, 0x40, 0x40)  # what the map surface shows where no cell is drawn

# Waits are generous for the sanitizer build; a passing run waits far less.
START_TIMEOUT = 40.0  # the editor's first window
EVENT_TIMEOUT = 10.0  # a window the editor is about to show or close, its settled picture
AT_ONCE_TIMEOUT = 2.0  # what must follow at once: titles, focus, closing on Escape
POLL = 0.05

# For the sanitizer build: no reports from inside the X keyboard library.
SUPPRESSIONS = "suppressions=" + os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                              "asan.supp")


class CheckFailed(Exception):
    pass


def wait_until(condition, timeout):
    """condition()'s first true value, or None after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(POLL)


def die_with_parent():
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def stop_process(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


# The right-half character sets a compound text may switch to (ESC - F).
COMPOUND_SETS = {ord("A"): "latin-1", ord("B"): "iso8859-2", ord("L"): "iso8859-5"}


def decode_compound_text(data):
    """The text of an X compound text as Qt writes it in a UTF-8 locale; None if
    it uses anything else."""
    text, right, i = [], "latin-1", 0
    while i < len(data):
        if data[i:i + 2] == b"\x1b-" and i + 2 < len(data) and data[i + 2] in COMPOUND_SETS:
            right, i = COMPOUND_SETS[data[i + 2]], i + 3
        elif data[i:i + 3] == b"\x1b(B":
            i += 3
        elif data[i:i + 3] == b"\x1b%G":
            end = data.find(b"\x1b%@", i)
            end = len(data) if end < 0 else end
            text.append(data[i + 3:end].decode("utf-8", "replace"))
            i = end + 3
        elif data[i] == 0x1b:
            return None
        else:
            text.append(chr(data[i]) if data[i] < 0x80 else bytes([data[i]]).decode(right))
            i += 1
    return "".join(text)


class Desktop:
    """An Xvfb display, a connection to it, and the input and reading helpers."""

    def __init__(self, workdir):
        read_end, write_end = os.pipe()
        log = open(os.path.join(workdir, "xvfb.log"), "wb")
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, pass_fds=(write_end,),
            start_new_session=True, preexec_fn=die_with_parent)
        log.close()
        os.close(write_end)
        try:
            self.name = ":" + self._display_number(read_end)
        except BaseException:
            stop_process(self.xvfb)
            raise
        finally:
            os.close(read_end)
        self.x = display.Display(self.name)
        self.root = self.x.screen().root
        self.atoms = {a: self.x.intern_atom(a) for a in
                      ("_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING", "COMPOUND_TEXT",
                       "_MOTIF_WM_HINTS")}

    @staticmethod
    def _display_number(pipe):
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([pipe], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(pipe, 16) if ready else b""
            if not chunk:
                raise RuntimeError("Xvfb did not start (no display number within 20 s)")
            number += chunk
        return number.decode().strip()

    def close(self):
        self.x.close()
        stop_process(self.xvfb)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=dict(os.environ, DISPLAY=self.name),
                       check=True, timeout=20, stdout=subprocess.DEVNULL)

    def windows(self, pid):
        """Mapped top-level windows of process `pid`, bottom to top."""
        found = []
        for win in self.root.query_tree().children:
            try:
                attrs = win.get_attributes()
                owner = win.get_full_property(self.atoms["_NET_WM_PID"], Xatom.CARDINAL)
                if attrs.map_state == X.IsViewable and not attrs.override_redirect \
                        and owner is not None and owner.value[0] == pid:
                    found.append(win)
            except error.XError:
                continue  # gone meanwhile
        return found

    def title(self, win):
        """_NET_WM_NAME, what today's desktops show."""
        try:
            name = win.get_full_property(self.atoms["_NET_WM_NAME"], self.atoms["UTF8_STRING"])
        except error.XError:
            return None
        return name.value.decode("utf-8", "replace") if name is not None else None

    def legacy_title(self, win):
        """WM_NAME, what older window managers show, decoded by its type."""
        try:
            name = win.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
        except error.XError:
            return None
        if name is None:
            return None
        data = bytes(name.value)
        if name.property_type == self.atoms["COMPOUND_TEXT"]:
            return decode_compound_text(data)
        # Qt passes the title through the C library's locale: in the C locale
        # the UTF-8 bytes arrive typed STRING.
        try:
            return data.decode("utf-8")
        except UnicodeDecodeError:
            return data.decode("latin-1")

    def rectangle(self, win):
        geometry = win.get_geometry()
        origin = win.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, geometry.width, geometry.height)

    def is_mapped(self, win):
        try:
            return win.get_attributes().map_state == X.IsViewable
        except error.XError:
            return False

    def top_level(self, win):
        """The child of the root that `win` is, or is inside; None for none."""
        while win is not None and not isinstance(win, int) and win.id != self.root.id:
            try:
                parent = win.query_tree().parent
            except error.XError:
                return None
            if parent.id == self.root.id:
                return win
            win = parent
        return None

    def focus(self):
        return self.top_level(self.x.get_input_focus().focus)

    def give_focus(self, win):
        """What a window manager does for a window that is clicked or opened."""
        win.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()

    def describe(self, win):
        if win is None:
            return "no window"
        return f"window 0x{win.id:x} '{self.title(win)}'"

    def screen_pixels(self):
        return self.root.get_image(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, X.ZPixmap, 0xFFFFFFFF).data

    @staticmethod
    def pixel(pixels, x, y):
        i = (y * SCREEN_WIDTH + x) * 4
        return pixels[i + 2], pixels[i + 1], pixels[i]


class Editor:
    """One run of the editor on a fresh copy of the data folder."""

    def __init__(self, desktop, binary, data, workdir, *args, prepare=None):
        self.desktop = desktop
        self.folder = root = tempfile.mkdtemp(dir=workdir, prefix="app-")
        shutil.copytree(data, root, dirs_exist_ok=True)
        if prepare:
            prepare(root)
        self.log_path = os.path.join(root, "editor.log")
        with open(self.log_path, "wb") as log:
            # Settings of the user's own runs (window size and place) stay out.
            env = dict(os.environ, DISPLAY=desktop.name, QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=os.path.join(root, ".config"))
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), SUPPRESSIONS]))
            self.proc = subprocess.Popen([binary, "--root", root, *args], cwd=root, env=env,
                                         stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                         preexec_fn=die_with_parent)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        ended = self.proc.poll()
        stop_process(self.proc)
        if ended is not None:  # a crash, even one after everything looked right
            raise CheckFailed(f"the editor ended by itself with {ended}; "
                              f"last output: {self.last_output()}")

    def windows(self):
        return self.desktop.windows(self.proc.pid)

    def wait_window(self, timeout=EVENT_TIMEOUT, besides=()):
        """The topmost mapped window of the editor that is not one of `besides`."""
        ids = {w.id for w in besides}
        found = wait_until(lambda: [w for w in self.windows() if w.id not in ids]
                           or self.proc.poll() is not None, timeout)
        if isinstance(found, list):
            return found[-1]
        if self.proc.poll() is not None:
            raise CheckFailed(f"the editor exited with {self.proc.returncode}; "
                              f"last output: {self.last_output()}")
        raise CheckFailed(f"no new window of the editor within {timeout:.0f} s")

    def main_window(self):
        """The main window, once shown, and the height of its menu bar."""
        win = self.wait_window(START_TIMEOUT)
        _, _, width, height = self.desktop.rectangle(win)
        if width != CLIENT_WIDTH or not 0 < height - CLIENT_HEIGHT < 100:
            raise CheckFailed(f"main window is {width} x {height}, expected {CLIENT_WIDTH} x "
                              f"({CLIENT_HEIGHT} + a menu bar, a tool bar and a status bar)")
        menu_bar = wait_until(lambda: self.menu_bar_height(win), EVENT_TIMEOUT)
        if menu_bar is None:
            raise CheckFailed("the map surface was not found in the main window")
        return win, menu_bar

    def menu_bar_height(self, win):
        """Where the client area starts below the menu bar and the tool bar (the
        window also has a status bar below it): found as the first row of the
        map surface. Rows of the frame around the surface are one plain colour
        (or two, where a frame line ends); the surface's rows show textured
        cells or all of its dark background. The search goes up from the
        lowest row the surface's first row can be on (below a status bar of no
        height), so the tool bar's captions above are never taken for it."""
        x0, y0, _, height = self.desktop.rectangle(win)
        pixels = self.desktop.screen_pixels()
        xs = range(x0 + MAP_SURFACE[0] + 40, x0 + MAP_SURFACE[0] + 10 * CELL - 10, 5)

        def surface_row(y):
            row = {self.desktop.pixel(pixels, x, y) for x in xs}
            return row == {BACKGROUND_GREY} or len(row) > 3

        y = y0 + height - CLIENT_HEIGHT + MAP_SURFACE[1]
        if not surface_row(y):
            return None
        while y > y0 and surface_row(y - 1):
            y -= 1
        menu_bar = y - y0 - MAP_SURFACE[1]
        return menu_bar if menu_bar > 0 else None

    def last_output(self):
        """A sanitizer's verdict if the output has one, else its last lines."""
        with open(self.log_path, "rb") as log:
            lines = log.read().decode("utf-8", "replace").strip().splitlines()
        verdict = [line for line in lines if "ERROR: " in line or "SUMMARY: " in line
                   or "runtime error: " in line]
        return " | ".join(verdict[:2] or lines[-3:]) or "none"


def title_problem(desktop, win, expected, what):
    """Why the window's titles are not `expected`; None when both are."""
    def titles():
        return desktop.title(win), desktop.legacy_title(win)

    if wait_until(lambda: titles() == (expected, expected), AT_ONCE_TIMEOUT):
        return None
    shown = titles()
    wrong = [f"{prop} {value!r}" for prop, value in zip(("_NET_WM_NAME", "WM_NAME"), shown)
             if value != expected]
    return f"{what}: {' and '.join(wrong)}, expected {expected!r}"


def expect_title(desktop, win, expected, what):
    problem = title_problem(desktop, win, expected, what)
    if problem:
        raise CheckFailed(problem)


def click(desktop, win, menu_bar, client_x, client_y):
    x, y, _, _ = desktop.rectangle(win)
    desktop.xdotool("mousemove", x + client_x, y + menu_bar + client_y, "click", 1)


# ----- the checks; each starts its own editor -----

def check_title_at_start(ctx):
    with ctx.editor() as editor:
        win, _ = editor.main_window()
        expect_title(ctx.desktop, win, "Редактор карт", "no map open")


def check_title_with_map(ctx):
    with ctx.editor("--map", "Default") as editor:
        win, _ = editor.main_window()
        expect_title(ctx.desktop, win, "[Default] - Main", "--map Default")


def check_title_with_location(ctx):
    with ctx.editor("--map", "Default", "--location", "cave") as editor:
        win, _ = editor.main_window()
        expect_title(ctx.desktop, win, "[Default] - cave", "--map Default --location cave")


def check_title_marks_unsaved_edit(ctx):
    with ctx.editor("--map", "Default") as editor:
        win, menu_bar = editor.main_window()
        ctx.desktop.give_focus(win)
        middle_of_cell_4_4 = [corner + 4 * CELL + CELL // 2 for corner in MAP_SURFACE]
        click(ctx.desktop, win, menu_bar, *middle_of_cell_4_4)
        ctx.desktop.xdotool("key", "b")
        expect_title(ctx.desktop, win, "[Default] - Main*", "after 'b' on the map")


def check_failed_load(ctx):
    def map_without_main(root):
        os.makedirs(os.path.join(root, "Maps", "beach"))
        with open(os.path.join(root, "Maps", "beach", "readme.txt"), "w") as note:
            note.write("no location here\n")

    with ctx.editor("--map", "beach", prepare=map_without_main) as editor:
        box = editor.wait_window(START_TIMEOUT)
        problems = [title_problem(ctx.desktop, box, "Error", "the message box")]
        ctx.desktop.give_focus(box)
        ctx.desktop.xdotool("key", "Return")
        if not wait_until(lambda: not ctx.desktop.is_mapped(box), EVENT_TIMEOUT):
            raise CheckFailed("the message box stayed open after Return")
        win, _ = editor.main_window()
        problems.append(title_problem(ctx.desktop, win, "[beach]", "then the main window"))
        problems = [p for p in problems if p]
        if problems:
            raise CheckFailed("; ".join(problems))


def full_screen_check(place):
    """The full-screen view opened from a main window moved to `place`."""

    def check(ctx):
        desktop = ctx.desktop
        with ctx.editor("--map", "Default") as editor:
            main, menu_bar = editor.main_window()
            desktop.xdotool("windowmove", main.id, *place)
            if not wait_until(lambda: desktop.rectangle(main)[:2] == place, EVENT_TIMEOUT):
                raise CheckFailed(f"could not move the main window to {place}")
            before = desktop.screen_pixels()
            desktop.give_focus(main)
            bx, by, bw, bh = FULL_SCREEN_BUTTON
            click(desktop, main, menu_bar, bx + bw // 2, by + bh // 2)
            view = editor.wait_window(besides=[main])
            problems = full_screen_picture(desktop, view, before)
            problems += full_screen_frame(desktop, view)
            problems.append(title_problem(desktop, view, "Полноэкранный режим",
                                          "its title"))
            if not wait_until(lambda: desktop.focus() == view, AT_ONCE_TIMEOUT):
                problems.append(f"keyboard focus on {desktop.describe(desktop.focus())}, "
                                f"expected the full-screen window")
            desktop.xdotool("key", "Escape")
            if not wait_until(lambda: not desktop.is_mapped(view), AT_ONCE_TIMEOUT):
                problems.append("still open after Escape")
            problems = [p for p in problems if p]
            if problems:
                raise CheckFailed("; ".join(problems))

    check.__name__ = f"check_full_screen_from_{place[0]}_{place[1]}"
    return check


def full_screen_frame(desktop, view):
    problems = []
    rect = desktop.rectangle(view)
    if rect != (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT):
        problems.append(f"at x={rect[0]} y={rect[1]} {rect[2]} x {rect[3]}, expected the "
                        f"screen x=0 y=0 {SCREEN_WIDTH} x {SCREEN_HEIGHT}")
    hints = view.get_full_property(desktop.atoms["_MOTIF_WM_HINTS"], X.AnyPropertyType)
    # flags bit 1: the decorations field counts; decorations 0: no border, no title bar
    if hints is None or len(hints.value) < 3 or not hints.value[0] & 2 or hints.value[2] != 0:
        problems.append(f"asks for window decorations (_MOTIF_WM_HINTS "
                        f"{None if hints is None else list(hints.value)})")
    return problems


def full_screen_picture(desktop, view, before):
    """Samples a grid of points of the view once its picture has settled."""
    x0, y0, width, height = desktop.rectangle(view)
    points = [(x, y) for y in range(20, SCREEN_HEIGHT, 40) for x in range(20, SCREEN_WIDTH, 40)
              if x0 <= x < x0 + width and y0 <= y < y0 + height]
    if not points:
        return ["no part of it is on the screen"]
    old = [desktop.pixel(before, x, y) for x, y in points]
    history = []

    def settled():
        pixels = desktop.screen_pixels()
        history.append([desktop.pixel(pixels, x, y) for x, y in points])
        recent = history[-4:]
        painted = sum(a != b for a, b in zip(recent[-1], old)) * 2 >= len(points)
        return painted and len(recent) == 4 and all(s == recent[0] for s in recent)

    if not wait_until(settled, EVENT_TIMEOUT):
        return [f"showed no settled picture of its own within {EVENT_TIMEOUT:.0f} s"]
    grey = [p for p, colour in zip(points, history[-1]) if colour == BACKGROUND_GREY]
    if len(grey) * 50 > len(points):  # more than 2 %
        xs, ys = [x for x, _ in grey], [y for _, y in grey]
        return [f"{len(grey)} of {len(points)} sampled points show the background grey "
                f"#404040 instead of map cells (x {min(xs)}..{max(xs)}, y {min(ys)}..{max(ys)})"]
    return []


def check_resize_grows_the_map(ctx):
    """A larger window gives its room to the map: where the frames on the right
    stood at the first-start size, map cells show once the window is wider."""
    with ctx.editor("--map", "Default") as editor:
        win, menu_bar = editor.main_window()
        x0, y0, _, _ = ctx.desktop.rectangle(win)
        points = [(x, y) for x in range(560, 1000, 20) for y in range(60, 420, 20)]
        before = ctx.desktop.screen_pixels()
        old = [ctx.desktop.pixel(before, x0 + x, y0 + menu_bar + y) for x, y in points]
        ctx.desktop.xdotool("windowsize", win.id, 1200, 900)
        if not wait_until(lambda: ctx.desktop.rectangle(win)[2:] == (1200, 900), EVENT_TIMEOUT):
            raise CheckFailed(f"the window did not take 1200 x 900: "
                              f"{ctx.desktop.rectangle(win)[2:]}")

        def map_shown():
            pixels = ctx.desktop.screen_pixels()
            now = [ctx.desktop.pixel(pixels, x0 + x, y0 + menu_bar + y) for x, y in points]
            changed = sum(a != b for a, b in zip(now, old))
            # Map cells are textured: many colours, where frames and text show few.
            return changed * 10 >= len(points) * 9 and len(set(now)) > 2 * len(set(old))

        if not wait_until(map_shown, EVENT_TIMEOUT):
            raise CheckFailed("after widening the window the room beside the first-start "
                              "canvas shows no map cells")


def drag(desktop, win, menu_bar, cells):
    """Presses the left button on the first view cell of `cells`, moves to each
    further one in one jump and releases on the last."""
    x, y, _, _ = desktop.rectangle(win)

    def place(cell):
        return [x + MAP_SURFACE[0] + cell[0] * CELL + 9, y + menu_bar + MAP_SURFACE[1] +
                cell[1] * CELL + 11]

    desktop.xdotool("mousemove", *place(cells[0]), "mousedown", 1)
    for cell in cells[1:]:
        desktop.xdotool("mousemove", *place(cell))
        time.sleep(0.05)  # each its own report of the mouse
    desktop.xdotool("mouseup", 1)


def location_bytes(folder, width):
    """The grid file of location "main" of map Default, and its record length."""
    with open(os.path.join(folder, "Maps", "Default", "main.map"), "rb") as grid:
        return grid.read(), 8 * width


def check_brush_and_rectangle_paint_ground(ctx):
    """A brush stroke whose mouse reports lie far apart and a rectangle drag
    paint the chosen ground tile; the saved grid differs from the original in
    exactly those cells' ground bytes."""
    desktop = ctx.desktop
    with ctx.editor("--map", "Default") as editor:
        win, menu_bar = editor.main_window()
        desktop.give_focus(win)
        click(desktop, win, menu_bar, 40, 32)  # "Группы объектов": line 0, "Земля" (level 0)
        click(desktop, win, menu_bar, 40, 192)  # "Объекты": line 0 ...
        desktop.xdotool("key", "Down", "Down")  # ... then line 2: OBJ-2, ground code 2
        desktop.xdotool("key", "ctrl+2")  # "Кисть"
        drag(desktop, win, menu_bar, [(1, 1), (6, 1), (6, 3)])
        desktop.xdotool("key", "ctrl+3")  # "Прямоугольник"
        drag(desktop, win, menu_bar, [(4, 7), (3, 6), (2, 5)])
        if len(editor.windows()) != 1:
            raise CheckFailed("a window opened while painting")
        click(desktop, win, menu_bar, 300, 432)  # "Сохранить изменения"
        box = editor.wait_window(besides=[win])
        desktop.give_focus(box)
        desktop.xdotool("key", "Return")
        wait_until(lambda: not desktop.is_mapped(box), EVENT_TIMEOUT)
        saved, record = location_bytes(editor.folder, 120)
        original, _ = location_bytes(ctx.data, 120)

    brushed = {(x, 1) for x in range(1, 7)} | {(6, 2), (6, 3)}
    rectangle = {(x, y) for x in range(2, 5) for y in range(5, 8)}
    expected = bytearray(original)
    for x, y in brushed | rectangle:
        expected[y * record + x] = 2  # Earths: the first W bytes of a record
    # A press puts the cursor on its cell, and the inspector's "путь закрыт"
    # box follows the cell: turned on, it writes 1 over the other non-zero
    # Blocks values (the footprints' "1"), as every click on the map does.
    blocks = 6 * record // 8
    checked = False  # the cursor starts on cell (0, 0), open
    for x, y in [(1, 1), (4, 7)]:
        value = expected[y * record + blocks + x]
        if (value != 0) != checked:
            checked = value != 0
            if checked:
                expected[y * record + blocks + x] = 1
    if saved != bytes(expected):
        wrong = [(i % record, i // record) for i in range(min(len(saved), len(expected)))
                 if saved[i] != expected[i]]
        raise CheckFailed(f"the saved grid differs from the expected one at {len(wrong)} "
                          f"bytes (record offset, row): {wrong[:8]}")


CHECKS = [
    check_title_at_start,
    check_title_with_map,
    check_title_with_location,
    check_title_marks_unsaved_edit,
    check_failed_load,
    full_screen_check((0, 0)),
    full_screen_check((400, 300)),
    check_resize_grows_the_map,
    check_brush_and_rectangle_paint_ground,
]


class Context:
    def __init__(self, desktop, binary, data, workdir):
        self.desktop, self.binary, self.data, self.workdir = desktop, binary, data, workdir

    def editor(self, *args, prepare=None):
        return Editor(self.desktop, self.binary, self.data, self.workdir, *args, prepare=prepare)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    binary, data = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))
    workdir = tempfile.mkdtemp(prefix="outside-check-")
    failed = 0
    desktop = None
    try:
        desktop = Desktop(workdir)
        context = Context(desktop, binary, data, workdir)
        for check in CHECKS:
            name = check.__name__.removeprefix("check_")
            begin = time.monotonic()
            try:
                check(context)
                print(f"PASS {name} ({time.monotonic() - begin:.1f} s)", flush=True)
            except CheckFailed as failure:
                failed += 1
                print(f"FAIL {name}: {failure}", flush=True)
            except (OSError, subprocess.SubprocessError, error.XError) as failure:
                failed += 1
                print(f"FAIL {name}: could not drive the desktop: {failure!r}", flush=True)
    finally:
        if desktop is not None:
            desktop.close()
        shutil.rmtree(workdir, ignore_errors=True)
    print(f"{len(CHECKS) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
