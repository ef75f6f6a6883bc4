#!/usr/bin/env python3
"""Loopback update server for the end-to-end tests.

GET /<case>/update/kefelo/<file> answers with ROOT/<case>/<file>. Some cases behave badly
on purpose: "missing" answers 404 to everything, "truncated" announces the whole new.zip
but sends half of it and hangs up, "slow" waits before the version file and sends new.zip
in small pieces with pauses, "endless" sends new.zip and then more bytes without end (no
length announced) until the client hangs up, and writes how many it sent to
ROOT/endless.stopped. Every request is appended to ROOT/requests.log. The chosen port is
written to the port file once the server listens. With --cert and --key it speaks HTTPS
with that certificate (PEM files).
"""
import argparse
import os
import ssl
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    root = "."

    def log_message(self, fmt, *args):
        with open(os.path.join(self.root, "requests.log"), "a", encoding="utf-8") as log:
            log.write("%s %s\n" % (self.headers.get("User-Agent", "-"), self.path))

    def do_GET(self):
        parts = self.path.split("?")[0].strip("/").split("/")
        if len(parts) != 4 or parts[1:3] != ["update", "kefelo"] or parts[0] == "missing":
            self.send_error(404)
            return
        case, name = parts[0], parts[3]
        path = os.path.join(self.root, case, name)
        if not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as f:
            body = f.read()
        if case == "slow" and name == "update.txt":
            time.sleep(10)
        if case == "endless" and name == "new.zip":
            self.send_endless(body)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if case == "truncated" and name == "new.zip":
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            self.close_connection = True
            return
        if case == "slow" and name == "new.zip":
            piece = max(1, len(body) // 40)
            for at in range(0, len(body), piece):
                self.wfile.write(body[at : at + piece])
                self.wfile.flush()
                time.sleep(0.15)
            return
        self.wfile.write(body)


    # Far more than any archive: a client that never stops reading fails the test instead
    # of running for ever.
    ENDLESS_CAP = 512 << 20

    def send_endless(self, body):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.end_headers()
        sent = 0
        filler = os.urandom(64 << 10)
        try:
            self.wfile.write(body)
            sent = len(body)
            while sent < self.ENDLESS_CAP:
                self.wfile.write(filler)
                self.wfile.flush()
                sent += len(filler)
            outcome = "never hung up"
        except (BrokenPipeError, ConnectionResetError, ConnectionAbortedError):
            outcome = "hung up"
        self.close_connection = True
        stopped = os.path.join(self.root, "endless.stopped")
        with open(stopped + ".tmp", "w") as f:
            f.write("%s %d\n" % (outcome, sent))
        os.replace(stopped + ".tmp", stopped)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    Handler.root = args.root
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        # A client that refuses the certificate fails its handshake; the server goes on.
        server.socket = context.wrap_socket(server.socket, server_side=True)
    with open(args.port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(args.port_file + ".tmp", args.port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
