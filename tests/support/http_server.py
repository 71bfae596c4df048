#!/usr/bin/env python3
"""A small HTTP server for the tests: one scenario per process.

    python3 http_server.py --port 0 --log FILE [scenario options]

Binds 127.0.0.1, prints the port on the first line of standard output and
answers every request, also the proxy form of the request line
("GET http://www.brenwick.example/Updates/jolvane.xml HTTP/1.1"), so a test
that sets http_proxy to this server sees the program's real request.

Each request is appended to the log file, before it is answered, as one line:
    METHOD TARGET<TAB>Host: HOST<TAB>Version: HTTP/1.1<TAB>Headers: Name1, Name2
(header names in the order received).

Scenario:
    --status N           status code of the answer (200)
    --body TEXT          the content, or
    --body-file FILE     the content from a file (read at every request)
    --content-type TYPE  Content-Type of the answer (text/xml)
    --header "N: V"      a further response header (repeatable)
    --delay-ms N         wait before answering
    --mode answer        answer normally (the default)
    --mode silent        read the request and never answer
    --mode endless       send the status and headers, then bytes for ever
    --mode close         accept and close the connection at once
    --mode truncated     promise more content (Content-Length) than is sent

The server ends when its parent process does.
"""

import argparse
import os
import socket
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def parse_args():
    p = argparse.ArgumentParser()
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--log", required=True)
    p.add_argument("--status", type=int, default=200)
    p.add_argument("--body", default=None)
    p.add_argument("--body-file", default=None)
    p.add_argument("--content-type", default="text/xml")
    p.add_argument("--header", action="append", default=[])
    p.add_argument("--delay-ms", type=int, default=0)
    p.add_argument("--mode", default="answer",
                   choices=["answer", "silent", "endless", "close", "truncated"])
    return p.parse_args()


ARGS = parse_args()
LOG_LOCK = threading.Lock()


def body_bytes():
    if ARGS.body_file is not None:
        with open(ARGS.body_file, "rb") as f:
            return f.read()
    if ARGS.body is not None:
        return ARGS.body.encode("utf-8")
    return b""


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # noqa: A002 - quiet on stderr
        pass

    def handle(self):
        if ARGS.mode == "close":
            self.connection.shutdown(socket.SHUT_RDWR)
            self.connection.close()
            return
        super().handle()

    def __getattr__(self, name):
        # Every method (GET, HEAD, POST ...) is served the same way.
        if name.startswith("do_"):
            return self.serve
        raise AttributeError(name)

    def record(self):
        names = ", ".join(self.headers.keys())
        line = "%s %s\tHost: %s\tVersion: %s\tHeaders: %s\n" % (
            self.command, self.path, self.headers.get("Host", ""), self.request_version, names)
        with LOG_LOCK:
            with open(ARGS.log, "a", encoding="utf-8") as log:
                log.write(line)

    def serve(self):
        self.record()
        if ARGS.delay_ms > 0:
            time.sleep(ARGS.delay_ms / 1000.0)
        if ARGS.mode == "silent":
            # Hold the connection open until the client gives up.
            try:
                while self.connection.recv(4096):
                    pass
            except OSError:
                pass
            self.close_connection = True
            return
        self.send_response(ARGS.status)
        self.send_header("Content-Type", ARGS.content_type)
        for header in ARGS.header:
            name, _, value = header.partition(":")
            self.send_header(name.strip(), value.strip())
        if ARGS.mode == "endless":
            self.send_header("Connection", "close")
            self.end_headers()
            chunk = b"x" * 4096
            try:
                while True:
                    self.wfile.write(chunk)
                    self.wfile.flush()
            except OSError:
                pass
            self.close_connection = True
            return
        body = body_bytes() if self.command != "HEAD" else b""
        length = len(body) + (100 if ARGS.mode == "truncated" else 0)
        self.send_header("Content-Length", str(length))
        self.send_header("Connection", "close")
        self.end_headers()
        try:
            self.wfile.write(body)
            self.wfile.flush()
        except OSError:
            pass
        self.close_connection = True


def watch_parent(parent):
    while True:
        time.sleep(0.5)
        if os.getppid() != parent:
            os._exit(0)


def main():
    server = ThreadingHTTPServer(("127.0.0.1", ARGS.port), Handler)
    server.daemon_threads = True
    open(ARGS.log, "a").close()
    threading.Thread(target=watch_parent, args=(os.getppid(),), daemon=True).start()
    sys.stdout.write("%d\n" % server.server_address[1])
    sys.stdout.flush()
    server.serve_forever()


if __name__ == "__main__":
    main()
