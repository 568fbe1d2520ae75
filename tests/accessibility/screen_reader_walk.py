#!/usr/bin/env python3
"""A whole static-IP set-up of the wizard walked the way a screen-reader user
walks it: every step is an AT-SPI action (press, toggle, select) or text typed
through AT-SPI, and every check reads what AT-SPI says (names, roles, states,
text). Nothing reaches into the program.

Everything runs on private servers started here: an Xvfb display, a D-Bus
session bus of its own (never the machine's session or system bus) that also
serves as the accessibility bus, and at-spi2-core's registry on it.

usage: screen_reader_walk.py HOST [--dump]
  HOST    the screen_reader_host program (the wizard against a simulated router)
  --dump  print the accessible tree of the first page and stop

Exit 0 when every check held, 1 when one failed, 77 (a skip, with the reason
printed) when a needed package or server is missing here.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import warnings

# libatspi marks some getters deprecated in favour of others that the Python
# bindings of Debian 12 do not offer yet.
warnings.simplefilter("ignore", DeprecationWarning)

SKIP = 77
REGISTRY_PATHS = ("/usr/libexec/at-spi2-registryd", "/usr/lib/at-spi2-core/at-spi2-registryd")
LAUNCHER_PATHS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def skip(why):
    message = f"SKIPPED: {why}"
    print(message)
    print(message, file=sys.stderr)
    sys.exit(SKIP)


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)


# ---------------------------------------------------------------- servers


class PrivateServers:
    """Xvfb, a private D-Bus daemon and the AT-SPI registry, stopped in
    reverse order on exit."""

    def __init__(self, directory):
        self.directory = directory
        self.processes = []
        self.env = {}

    def start(self):
        xvfb = shutil.which("Xvfb")
        daemon = shutil.which("dbus-daemon")
        launcher = next((p for p in LAUNCHER_PATHS if os.access(p, os.X_OK)), None)
        registry = next((p for p in REGISTRY_PATHS if os.access(p, os.X_OK)), None)
        if xvfb is None:
            skip("Xvfb is not installed (Debian package xvfb)")
        if daemon is None:
            skip("dbus-daemon is not installed (Debian package dbus-daemon)")
        if launcher is None or registry is None:
            skip("the AT-SPI bus launcher or registry is not installed (Debian package at-spi2-core)")

        read_end, write_end = os.pipe()
        self._spawn([xvfb, "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                    pass_fds=(write_end,))
        os.close(write_end)
        display = self._read_line(read_end, "Xvfb did not report its display")

        socket = os.path.join(self.directory, "bus")
        config = os.path.join(self.directory, "bus.conf")
        # No service directories: nothing is started on demand on this bus.
        with open(config, "w") as out:
            out.write(f"""<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
""")
        read_end, write_end = os.pipe()
        self._spawn([daemon, "--config-file", config, "--nofork", "--print-address", str(write_end)],
                    pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(read_end, "the private D-Bus daemon did not start")

        # The launcher serves org.a11y.Bus on the private session bus and starts
        # the accessibility bus beside it. It is kept away from the display:
        # Qt 6.4 would take the bus from the display's property too early to
        # register with the registry, while through org.a11y.Bus it does.
        self._spawn([launcher, "--launch-immediately"], env=self.child_env(drop=("DISPLAY",)))
        session = self._connect(self.env["DBUS_SESSION_BUS_ADDRESS"])
        self._wait_for_name(session, "org.a11y.Bus")
        a11y_address = self._call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress")[0]
        self.env["DISPLAY"] = ":" + display
        os.environ.update(self.env)
        # The reader side (this script, the registry) goes to that bus directly.
        os.environ["AT_SPI_BUS_ADDRESS"] = a11y_address
        self._spawn([registry], env=self.child_env({"AT_SPI_BUS_ADDRESS": a11y_address}))
        self._wait_for_name(self._connect(a11y_address), "org.a11y.atspi.Registry")

    def child_env(self, extra=None, drop=()):
        env = {k: v for k, v in os.environ.items() if k not in drop and k != "AT_SPI_BUS_ADDRESS"}
        env.update({k: v for k, v in self.env.items() if k not in drop})
        env["DBUS_SYSTEM_BUS_ADDRESS"] = "unix:path=/nonexistent/qelvane-tests-have-no-system-bus"
        runtime = os.path.join(self.directory, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env["XDG_RUNTIME_DIR"] = runtime
        env["GSETTINGS_BACKEND"] = "memory"
        env.update(extra or {})
        return env

    def _spawn(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    @staticmethod
    def _read_line(fd, failure):
        with os.fdopen(fd) as stream:
            line = stream.readline().strip()
        if not line:
            skip(failure)
        return line

    @staticmethod
    def _connect(address):
        from gi.repository import Gio
        return Gio.DBusConnection.new_for_address_sync(
            address,
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None)

    @staticmethod
    def _call(bus, name, path, interface, method, arguments=None):
        from gi.repository import Gio
        return bus.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, 5000,
                             None).unpack()

    def _wait_for_name(self, bus, name):
        from gi.repository import GLib
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if self._call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", GLib.Variant("(s)", (name,)))[0]:
                return
            time.sleep(0.05)
        skip(f"nothing took {name} on the private bus")

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


# ---------------------------------------------------------------- the tree


def import_atspi():
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
    except (ImportError, ValueError) as error:
        skip(f"no AT-SPI bindings for Python ({error}; Debian packages python3-gi and gir1.2-atspi-2.0)")
    return Atspi


class Tree:
    def __init__(self, Atspi, application_name):
        from gi.repository import GLib
        self.GLib = GLib
        self.Atspi = Atspi
        self.application_name = application_name

    def application(self, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            desktop = self.Atspi.get_desktop(0)
            desktop.clear_cache()
            for i in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(i)
                if child is not None and child.get_name() == self.application_name:
                    return child
            time.sleep(0.1)
        raise CheckFailed(f"{self.application_name} never appeared on the accessibility bus")

    def states(self, node):
        return node.get_state_set()

    def showing(self, node):
        return self.states(node).contains(self.Atspi.StateType.SHOWING)

    def focused(self, node):
        return self.states(node).contains(self.Atspi.StateType.FOCUSED)

    def walk(self, node, only_showing=True):
        """Every child below node, depth first; a window closed meanwhile (a
        message box goes as soon as it is answered) is left out."""
        try:
            count = node.get_child_count()
        except self.GLib.Error:
            return
        for i in range(count):
            try:
                child = node.get_child_at_index(i)
                if child is None or (only_showing and not self.showing(child)):
                    continue
            except self.GLib.Error:
                continue
            yield child
            yield from self.walk(child, only_showing)

    def find_all(self, root, role=None, name=None):
        found = []
        for node in self.walk(root):
            try:
                if role is not None and node.get_role_name() != role:
                    continue
                if name is not None and node.get_name() != name:
                    continue
            except self.GLib.Error:
                continue
            found.append(node)
        return found

    def wait_for(self, root_of, role=None, name=None, timeout=20, what=None):
        deadline = time.monotonic() + timeout
        while True:
            root = root_of()
            root.clear_cache()
            found = self.find_all(root, role, name)
            if found:
                return found[0]
            if time.monotonic() > deadline:
                raise CheckFailed(f"no showing {role or 'node'} named {name!r} ({what or 'waiting'})")
            time.sleep(0.1)

    def text(self, node):
        if "Text" not in node.get_interfaces():
            return None
        return self.Atspi.Text.get_text(node, 0, self.Atspi.Text.get_character_count(node))

    def do(self, node, *action_names):
        check("Action" in node.get_interfaces(), f"{node.get_name()!r} has no actions")
        Action = self.Atspi.Action
        names = [Action.get_action_name(node, i) for i in range(Action.get_n_actions(node))]
        for wanted in action_names:
            if wanted in names:
                Action.do_action(node, names.index(wanted))
                return
        raise CheckFailed(f"{node.get_name()!r} offers {names}, none of {action_names}")

    def type_into(self, node, text):
        check("EditableText" in node.get_interfaces(), f"{node.get_name()!r} cannot be typed into")
        self.Atspi.EditableText.set_text_contents(node, text)

    def dump(self, node, depth=0):
        states = [s.value_nick for s in self.states(node).get_states()]
        print(f"{'  ' * depth}{node.get_role_name()} {node.get_name()!r} text={self.text(node)!r} "
              f"{','.join(s for s in states if s in ('focused', 'checked', 'showing', 'focusable'))}")
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                self.dump(child, depth + 1)


# ---------------------------------------------------------------- the walk


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    host = sys.argv[1]
    dump = "--dump" in sys.argv[2:]
    if not os.access(host, os.X_OK):
        skip(f"the host program {host} is not built")
    Atspi = import_atspi()
    with tempfile.TemporaryDirectory(prefix="qelvane-at-spi-") as directory:
        servers = PrivateServers(directory)
        program = None
        try:
            servers.start()
            Atspi.init()
            env = servers.child_env({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                                     "LANG": "C.UTF-8", "LANGUAGE": ""})
            # The X client libraries lock through Xlib's own mutex hooks, which
            # ThreadSanitizer takes for misuse in every one of them; races are
            # still reported.
            if env.get("TSAN_OPTIONS"):
                env["TSAN_OPTIONS"] += ":report_mutex_bugs=0"
            program = subprocess.Popen([host], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                       text=True)
            tree = Tree(Atspi, os.path.basename(host))
            app = tree.application()
            if dump:
                time.sleep(1)
                tree.dump(app)
                return 0
            Walk(tree, app).run()
            output, errors = program.communicate(timeout=30)
            program = None
            try:
                Walk.check_router(output)
            except CheckFailed:
                # What the window said on its way out (a sanitizer's report, say).
                print(errors[-4000:], file=sys.stderr)
                raise
        except CheckFailed as failure:
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1
        finally:
            if program is not None:
                program.kill()
                output, errors = program.communicate()
                if errors:
                    print(errors[-4000:], file=sys.stderr)
            servers.stop()
    print("the whole set-up went through AT-SPI alone")
    return 0


class Walk:
    """The set-up, step by step: what is checked at each page is what a
    screen-reader user depends on there."""

    WAN_IP = ("198", "51", "100", "7")
    MASK = ("255", "255", "255", "0")
    GATEWAY = ("198", "51", "100", "1")
    SSID = "AtSpiNet"
    PASSPHRASE = "AtSpiKey2024"

    def __init__(self, tree, app):
        self.tree = tree
        self.app = app
        self.Atspi = tree.Atspi

    # -- finding things

    def main_window(self):
        return self.tree.wait_for(lambda: self.app, "dialog", "Qelvane Setup Wizard", what="the main window")

    def page(self, title, timeout=30):
        """The page shown now, found by the name a reader hears for it."""
        return self.tree.wait_for(self.main_window, "dialog", title, timeout=timeout, what="page by its title")

    def message_box(self, timeout=30):
        """A message box: a window of its own (not the main window) that has
        a push button."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self.app.clear_cache()
            for window in self.tree.walk(self.app):
                try:
                    if window.get_role_name() != "dialog" or window.get_name() == "Qelvane Setup Wizard" \
                            or window.get_parent() != self.app:
                        continue
                except self.tree.GLib.Error:
                    continue
                if self.tree.find_all(window, "push button"):
                    return window
            time.sleep(0.1)
        raise CheckFailed("no message box came up")

    def focused_name(self, root):
        # A field whose focus goes to a part (an address field's box) shows as
        # focused with the part: the innermost is the one a reader hears.
        root.clear_cache()
        focused = [node.get_name() for node in self.tree.walk(root) if self.tree.focused(node)]
        return focused[-1] if focused else None

    def expect_focus(self, root_of, name, where):
        deadline = time.monotonic() + 10
        while True:
            focused = self.focused_name(root_of())
            if focused == name:
                return
            if time.monotonic() > deadline:
                raise CheckFailed(f"{where}: the focus is on {focused!r}, not on {name!r}")
            time.sleep(0.1)

    def press(self, root_of, name):
        self.tree.do(self.tree.wait_for(root_of, "push button", name, what=f"button {name!r}"), "Press")

    def next(self, name="Next"):
        self.press(self.main_window, name)

    def answer(self, expected_name=None, button="OK"):
        """Checks how a reader meets the box, then presses one of its buttons;
        the box's name."""
        box = self.message_box()
        title, message = ([" ".join((self.tree.text(label) or "").split())
                           for label in self.tree.find_all(box, "label")] + ["", ""])[:2]
        name = box.get_name()
        check(message, "the message box shows no message to a reader")
        if title:
            check(name == title, f"the message box is called {name!r}, not by its title {title!r}")
        else:
            check(name and message.startswith(name),
                  f"the message box is called {name!r}, not by its first line ({message!r})")
        if expected_name is not None:
            check(name == expected_name, f"the message box is called {name!r}, not {expected_name!r}")
        check(box.get_description(), "the message box does not give its message as its description")
        # Its picture says nothing: decoration, out of the reader's way.
        check(not self.tree.find_all(box, "image"), "the message box's picture is shown to a reader unnamed")
        self.press(lambda: box, button)
        return name

    def octets(self, page, field):
        return [self.tree.wait_for(lambda: page, "text", f"{field}, {i} of 4", what="address box")
                for i in range(1, 5)]

    def type_address(self, page, field, parts):
        for box, part in zip(self.octets(page, field), parts):
            self.tree.type_into(box, part)

    def key(self, keysym, times=1):
        for _ in range(times):
            self.Atspi.generate_keyboard_event(keysym, None, self.Atspi.KeySynthType.SYM)
            time.sleep(0.15)

    # -- the walk

    def run(self):
        window = self.main_window
        welcome = self.page("Welcome")
        check(self.tree.showing(welcome), "the welcome page does not show")
        # A page without fields starts on Next (Start here).
        self.expect_focus(window, "Start", "welcome page")
        self.next("Start")
        for title in ("Switch off your modem and connect it to the router's WAN port.",
                      "Connect your computer to one of the router's LAN ports.",
                      "Switch on the modem first, then the router.",
                      "Check that the router's lights are on, then click Next to connect to the router."):
            self.page(title)
            self.expect_focus(window, "Next", title)
            self.next()
        self.answer()  # connected to the router

        wan_type = self.page("How does your router connect to the Internet?")
        # Next is hidden here: the first choice has the focus.
        self.expect_focus(window, "Detect automatically", "connection-type page")
        self.tree.do(self.tree.wait_for(lambda: wan_type, "push button", "Static IP"), "Press")

        static = self.page("Enter the addresses given by your Internet provider.")
        self.expect_focus(window, "IP Address, 1 of 4", "static-IP page")
        self.type_address(static, "IP Address", self.WAN_IP)
        self.next()
        # The page check names the mask; the focus goes back to it.
        self.answer("Warning")
        self.expect_focus(window, "Subnet Mask, 1 of 4", "after the subnet-mask warning")
        self.type_address(static, "Subnet Mask", self.MASK)
        self.type_address(static, "Default Gateway", self.GATEWAY)
        self.type_address(static, "Primary DNS", self.GATEWAY)
        self.next()

        self.page("WAN MAC Address")
        self.expect_focus(window, "MAC Address", "MAC clone page")
        self.next()

        wireless = self.page("Wireless Settings")
        self.expect_focus(window, "SSID", "wireless page")
        for caption in ("Wireless Mode", "Channel"):
            self.tree.wait_for(lambda: wireless, "combo box", caption, what="drop-down list named by its caption")
        self.tree.type_into(self.tree.wait_for(lambda: wireless, "text", "SSID"), self.SSID)
        broadcast = self.tree.wait_for(lambda: wireless, "check box", "SSID Broadcast")
        check(self.tree.states(broadcast).contains(self.Atspi.StateType.CHECKED), "SSID Broadcast starts unchecked")
        self.tree.do(broadcast, "Toggle", "Press")
        time.sleep(0.3)
        broadcast.clear_cache()
        check(not self.tree.states(broadcast).contains(self.Atspi.StateType.CHECKED),
              "the toggle action left SSID Broadcast checked")
        self.next()

        security = self.page("Wireless Security")
        self.expect_focus(window, "Security", "security page")
        # Typing on the focused list: Down three times, Disabled to WPA2-PSK.
        self.key(0xFF54, 3)
        chosen = self.tree.wait_for(lambda: security, "combo box", "Security")
        check(self.tree.text(chosen) == "WPA2-PSK",
              f"the security list reads {self.tree.text(chosen)!r} after three Down keys, not 'WPA2-PSK'")
        passphrase = self.tree.wait_for(lambda: security, "password text", None, what="WPA passphrase field") \
            if self.tree.find_all(security, "password text") else None
        if passphrase is None:
            fields = self.tree.find_all(security, "text")
            check(fields, "no WPA passphrase field shows after WPA2-PSK was chosen")
            passphrase = fields[0]
        self.tree.type_into(passphrase, self.PASSPHRASE)
        self.next()
        self.answer()  # saved: the router restarts

        result = self.page("Setup Complete", timeout=60)
        self.expect_focus(window, "Finish", "result page")
        self.expect_value(result, "IP Address", ".".join(self.WAN_IP))
        self.expect_value(result, "SSID", self.SSID)
        self.expect_value(result, "Key", self.PASSPHRASE)
        self.next("Finish")

    def expect_value(self, page, caption, value):
        """The value beside a caption, read as a reader reads it: the field is
        named by the caption and its text is the value."""
        deadline = time.monotonic() + 30
        seen = []
        while time.monotonic() < deadline:
            page.clear_cache()
            seen = [self.tree.text(node) for node in self.tree.find_all(page, "label", caption)]
            if value in seen:
                return
            time.sleep(0.2)
        raise CheckFailed(f"the result page reads {seen} for {caption!r}, not {value!r}")

    @staticmethod
    def check_router(output):
        given = dict(line.split("=", 1) for line in output.splitlines() if "=" in line)
        expected = {"window-result": "1", "wan-type": "1", "wan-ip": ".".join(Walk.WAN_IP),
                    "wan-mask": ".".join(Walk.MASK), "wan-gateway": ".".join(Walk.GATEWAY),
                    "ssid": Walk.SSID, "broadcast": "0", "security": "WPA2PSK", "passphrase": Walk.PASSPHRASE}
        for key, value in expected.items():
            check(given.get(key) == value, f"the router got {key}={given.get(key)!r}, not {value!r}")


if __name__ == "__main__":
    sys.exit(main())
