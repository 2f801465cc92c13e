#!/usr/bin/env python3
"""Drives a running headless Chromium over its DevTools socket through a page
that the popup blocker's proxy has prepared, and checks which windows open:
the page's own load-time, timer and scripted-click popups are stopped (the
title carries the marker), the user's real click and key press open theirs.

Usage: browser_popups.py <chromium profile folder> <page url> <seconds>
Exit status 0 when every check holds; the failures are printed otherwise.
"""
import base64
import json
import os
import socket
import struct
import sys
import time

MARKER = "Velmora Blinkward.com Catch Another Popup"


class DevTools:
    """One WebSocket to the browser, commands sent with flattened sessions."""

    def __init__(self, port, path, deadline):
        self.deadline = deadline
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=5)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                           "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                           f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n").encode())
        head = b""
        while b"\r\n\r\n" not in head:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise RuntimeError("DevTools closed the handshake")
            head += chunk
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise RuntimeError("DevTools refused the WebSocket: %r" % head[:200])
        self.buffer = head.split(b"\r\n\r\n", 1)[1]
        self.next_id = 0

    def _read(self, n):
        while len(self.buffer) < n:
            self.sock.settimeout(max(0.1, self.deadline - time.monotonic()))
            chunk = self.sock.recv(65536)
            if not chunk:
                raise RuntimeError("DevTools closed the connection")
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def _send_frame(self, opcode, payload):
        head = bytes([0x80 | opcode])
        n = len(payload)
        if n < 126:
            head += bytes([0x80 | n])
        elif n < 65536:
            head += bytes([0x80 | 126]) + struct.pack(">H", n)
        else:
            head += bytes([0x80 | 127]) + struct.pack(">Q", n)
        mask = os.urandom(4)
        self.sock.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))

    def _message(self):
        parts = []
        while True:
            b0, b1 = self._read(2)
            n = b1 & 0x7F
            if n == 126:
                n = struct.unpack(">H", self._read(2))[0]
            elif n == 127:
                n = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(n)  # the server never masks
            opcode = b0 & 0x0F
            if opcode == 0x9:
                self._send_frame(0xA, payload)
                continue
            if opcode == 0x8:
                raise RuntimeError("DevTools closed the WebSocket")
            if opcode in (0x1, 0x0):
                parts.append(payload)
                if b0 & 0x80:
                    return json.loads(b"".join(parts))

    def call(self, method, params=None, session=None):
        self.next_id += 1
        msg = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            msg["sessionId"] = session
        self._send_frame(0x1, json.dumps(msg).encode())
        while True:
            if time.monotonic() > self.deadline:
                raise RuntimeError("out of time waiting for " + method)
            reply = self._message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply.get("result", {})


def devtools_address(profile, deadline):
    active = os.path.join(profile, "DevToolsActivePort")
    while time.monotonic() < deadline:
        try:
            with open(active) as f:
                lines = f.read().split("\n")
            if len(lines) >= 2 and lines[1]:
                return int(lines[0]), lines[1]
        except OSError:
            pass
        time.sleep(0.2)
    raise RuntimeError("Chromium never opened its DevTools port")


def main():
    profile, url, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
    deadline = time.monotonic() + seconds
    port, path = devtools_address(profile, deadline)
    tools = DevTools(port, path, deadline)

    page = next(t for t in tools.call("Target.getTargets")["targetInfos"] if t["type"] == "page")
    session = tools.call("Target.attachToTarget",
                         {"targetId": page["targetId"], "flatten": True})["sessionId"]

    def state():
        expr = ("JSON.stringify({title: document.title,"
                " ran: (document.getElementById('state') || {}).innerHTML || '',"
                " outcomes: typeof outcomes == 'object' ? outcomes : {}})")
        result = tools.call("Runtime.evaluate", {"expression": expr, "returnByValue": True},
                            session)
        return json.loads(result["result"]["value"])

    def wait_for(what, until):
        seen = state()
        while not until(seen):
            if time.monotonic() > deadline:
                raise RuntimeError("out of time waiting for %s; the page: %s" % (what, seen))
            time.sleep(0.1)
            seen = state()
        return seen

    def page_urls():
        return [t["url"] for t in tools.call("Target.getTargets")["targetInfos"]
                if t["type"] == "page"]

    failures = []

    def expect(ok, text):
        print(("ok: " if ok else "FAIL: ") + text)
        if not ok:
            failures.append(text)

    tools.call("Page.navigate", {"url": url}, session)
    # The marker stays in the title for three seconds after a stopped popup.
    loaded = wait_for("the marker in the title", lambda s: MARKER in s["title"])
    loaded = wait_for("the page's onload handler", lambda s: s["ran"])
    expect(loaded["outcomes"].get("load") == "stopped", "a popup opened while loading is stopped")
    expect(loaded["outcomes"].get("synthetic") == "stopped",
           "a popup from a click the page's script makes is stopped")
    expect(loaded["ran"] == "page script ran", "the page's own script runs behind the blocker")

    for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
        tools.call("Input.dispatchMouseEvent",
                   {"type": kind, "x": 100, "y": 50, "button": "left",
                    "buttons": 1 if kind == "mousePressed" else 0, "clickCount": 1}, session)
    clicked = wait_for("the click's popups", lambda s: "timer" in s["outcomes"])
    expect(clicked["outcomes"].get("click") == "opened", "the popup the user clicked for opens")
    expect(clicked["outcomes"].get("timer") == "stopped",
           "a popup from a timer the click set up is stopped")

    tools.call("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "k", "code": "KeyK",
                                          "windowsVirtualKeyCode": 75}, session)
    tools.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": "k", "code": "KeyK",
                                          "windowsVirtualKeyCode": 75}, session)
    pressed = wait_for("the key's popup", lambda s: "key" in s["outcomes"])
    expect(pressed["outcomes"].get("key") == "opened", "the popup the user pressed a key for opens")

    wanted = ("?click", "?key")
    urls = page_urls()
    until = min(deadline - 5, time.monotonic() + 10)
    while not all(any(u.endswith(w) for u in urls) for w in wanted) and time.monotonic() < until:
        time.sleep(0.2)
        urls = page_urls()
    for tag in wanted:
        expect(any(u.endswith(tag) for u in urls), "a window for %s is open" % tag)
    for tag in ("?load", "?synthetic", "?timer"):
        expect(not any(u.endswith(tag) for u in urls), "no window for %s" % tag)
    if failures:
        print("windows open: %s" % urls)
    return 1 if failures else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (RuntimeError, OSError, StopIteration) as e:
        print("FAIL: %s" % e)
        sys.exit(1)
