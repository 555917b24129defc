#!/usr/bin/env python3
"""The local HTTP server of the tests.

Two ports on 127.0.0.1 only. The site port serves what the tests register;
the control port is how they register it:

  PUT  /page?path=/md.html      body: a page body, served as 200 with Content-Length
  PUT  /response?path=/x        body: raw response bytes, sent verbatim, then close
  POST /mode?site=open|closed|silent
                                closed: the site port stops listening (refused);
                                silent: connections are accepted, never answered
  POST /reset                   forget pages, responses and requests; mode open
  GET  /requests                JSON list of the raw requests received on the
                                site port, base64, oldest first

With --wait-until-ready it starts nothing: it waits until both ports accept
and exits 0, or exits 1 after ten seconds.
"""

import argparse
import base64
import http.server
import json
import os
import signal
import socket
import sys
import threading
import time
import urllib.parse

LOOPBACK = "127.0.0.1"
# Long enough for a slow request to arrive whole, short enough that a client
# which never finishes its request does not hold a thread for long.
REQUEST_READ_SECONDS = 10


class Site:
    """What the site port serves and what it has received."""

    def __init__(self, port, directory):
        self.port = port
        self.directory = directory
        self.lock = threading.Lock()
        self.pages = {}
        self.responses = {}
        self.requests = []
        self.mode = "open"
        # Set whenever the mode changes or a reset comes, so silent
        # connections let go.
        self.mode_changed = threading.Event()
        self.listener = None
        self.open_listener()

    # --- control -----------------------------------------------------------

    def put_page(self, path, body):
        with self.lock:
            self.responses.pop(path, None)
            self.pages[path] = body

    def put_response(self, path, raw):
        with self.lock:
            self.pages.pop(path, None)
            self.responses[path] = raw

    def set_mode(self, mode):
        with self.lock:
            if mode == "closed":
                self.close_listener()
            elif self.listener is None:
                self.open_listener()
            self.mode = mode
            self.release_silent()

    def reset(self):
        with self.lock:
            self.pages.clear()
            self.responses.clear()
            self.requests.clear()
        self.set_mode("open")

    def recorded(self):
        with self.lock:
            return [base64.b64encode(r).decode("ascii") for r in self.requests]

    def release_silent(self):
        self.mode_changed.set()
        self.mode_changed = threading.Event()

    # --- listening ---------------------------------------------------------

    def open_listener(self):
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind((LOOPBACK, self.port))
        listener.listen(16)
        self.listener = listener
        threading.Thread(target=self.accept_loop, args=(listener,), daemon=True).start()

    def close_listener(self):
        if self.listener is not None:
            try:
                self.listener.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            self.listener.close()
            self.listener = None

    def accept_loop(self, listener):
        while True:
            try:
                connection, _ = listener.accept()
            except OSError:
                return
            threading.Thread(target=self.serve, args=(connection,), daemon=True).start()

    # --- one connection ----------------------------------------------------

    def serve(self, connection):
        with connection:
            raw = read_request(connection)
            with self.lock:
                if raw:
                    self.requests.append(raw)
                mode = self.mode
                released = self.mode_changed
            if mode == "silent":
                released.wait()
                return
            if not raw:
                return
            try:
                connection.sendall(self.answer(raw))
            except OSError:
                pass

    def answer(self, raw):
        target = request_target(raw)
        bare = target.split("?", 1)[0]
        with self.lock:
            for key in (target, bare):
                if key in self.responses:
                    return self.responses[key]
                if key in self.pages:
                    return page_response(self.pages[key])
        static = self.static_file(bare)
        if static is not None:
            return page_response(static)
        return status_response(404, "Not Found")

    def static_file(self, path):
        if not self.directory:
            return None
        root = os.path.realpath(self.directory)
        relative = urllib.parse.unquote(path).lstrip("/")
        candidate = os.path.realpath(os.path.join(root, relative))
        if os.path.commonpath([root, candidate]) != root or not os.path.isfile(candidate):
            return None
        with open(candidate, "rb") as f:
            return f.read()


def read_request(connection):
    """The request's bytes: its head and as many body bytes as it announces."""
    connection.settimeout(REQUEST_READ_SECONDS)
    data = b""
    try:
        while b"\r\n\r\n" not in data:
            chunk = connection.recv(65536)
            if not chunk:
                return data
            data += chunk
        head, _, body = data.partition(b"\r\n\r\n")
        wanted = content_length(head)
        while len(body) < wanted:
            chunk = connection.recv(65536)
            if not chunk:
                break
            body += chunk
            data += chunk
    except OSError:
        pass
    return data


def content_length(head):
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            try:
                return int(value.strip())
            except ValueError:
                return 0
    return 0


def request_target(raw):
    parts = raw.split(b"\r\n", 1)[0].split(b" ")
    return parts[1].decode("latin-1") if len(parts) >= 2 else "/"


def page_response(body):
    head = "HTTP/1.1 200 OK\r\nContent-Length: %d\r\nConnection: close\r\n\r\n" % len(body)
    return head.encode("ascii") + body


def status_response(code, reason):
    return ("HTTP/1.1 %d %s\r\nContent-Length: 0\r\nConnection: close\r\n\r\n" % (code, reason)).encode(
        "ascii"
    )


class ControlHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    site = None  # set before serving

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length") or 0))

    def query(self):
        return urllib.parse.parse_qs(urllib.parse.urlsplit(self.path).query)

    def route(self):
        return urllib.parse.urlsplit(self.path).path

    def reply(self, code, payload=b"", content_type="text/plain"):
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(payload)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(payload)
        self.close_connection = True

    def do_PUT(self):
        body = self.body()
        path = self.query().get("path", [None])[0]
        if path is None:
            return self.reply(400, b"path missing")
        if self.route() == "/page":
            self.site.put_page(path, body)
        elif self.route() == "/response":
            self.site.put_response(path, body)
        else:
            return self.reply(404)
        self.reply(200, b"ok")

    def do_POST(self):
        self.body()
        if self.route() == "/mode":
            mode = self.query().get("site", [""])[0]
            if mode not in ("open", "closed", "silent"):
                return self.reply(400, b"mode unknown")
            self.site.set_mode(mode)
        elif self.route() == "/reset":
            self.site.reset()
        else:
            return self.reply(404)
        self.reply(200, b"ok")

    def do_GET(self):
        if self.route() != "/requests":
            return self.reply(404)
        self.reply(200, json.dumps(self.site.recorded()).encode("ascii"), "application/json")


def accepts(port):
    try:
        with socket.create_connection((LOOPBACK, port), timeout=1):
            return True
    except OSError:
        return False


def wait_until_ready(ports):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if all(accepts(p) for p in ports):
            return 0
        time.sleep(0.05)
    return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=8936, help="the site port")
    parser.add_argument("--control-port", type=int, default=8937)
    parser.add_argument("--directory", help="serve files from here for paths not registered")
    parser.add_argument("--wait-until-ready", action="store_true")
    args = parser.parse_args()

    if args.wait_until_ready:
        return wait_until_ready([args.port, args.control_port])

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    ControlHandler.site = Site(args.port, args.directory)
    http.server.ThreadingHTTPServer.allow_reuse_address = True
    http.server.ThreadingHTTPServer.daemon_threads = True
    control = http.server.ThreadingHTTPServer((LOOPBACK, args.control_port), ControlHandler)
    try:
        control.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        control.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
