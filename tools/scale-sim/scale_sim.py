#!/usr/bin/python3
"""The simulated scale: a real FTP server (pyftpdlib) that stands in for a scale's FTP server.

User "test" with password "vamek" may store files; each file is stored in the folder given by
--root under exactly the name the client gave (STOR d:\\boot.bin makes a file named `d:\\boot.bin`).
Active mode (PORT) and passive mode both work.

For tests it can be told to misbehave: refuse the login, refuse stores, break or stall the data
connection part-way, keep only the start of a stored file and still report the store complete,
refuse SIZE as a scale that does not know it, accept connections and never answer, or never accept
a connection at all. It can also take files slowly (--rate), as a scale on a slow link does.

Run it with Debian's interpreter (/usr/bin/python3), which has pyftpdlib. Once it listens it prints
"ready" on a line of its own and, if asked, writes the same line to --ready-file.
"""

import argparse
import logging
import os
import signal
import socket
import sys
import time

from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

USER = "test"
PASSWORD = "vamek"


class ScaleFilesystem(AbstractedFS):
    """The scale keeps its files flat, under exactly the names it is given: no directories, no
    change of separators, a backslash or a colon is part of the name."""

    def ftp2fs(self, ftppath):
        name = ftppath[1:] if ftppath.startswith("/") else ftppath
        if name in ("", ".", "..") or "/" in name:
            return self.root  # the storage itself; storing onto it fails with 550
        return os.path.join(self.root, name)


class RefusingAuthorizer(DummyAuthorizer):
    def validate_authentication(self, username, password, handler):
        raise AuthenticationFailed("Login incorrect.")


class ScaleDTPHandler(DTPHandler):
    """The data connection; it can break off (cut_after) or stop reading (stall_after)."""

    cut_after = None
    stall_after = None

    def handle_read(self):
        limit = self.cut_after if self.cut_after is not None else self.stall_after
        if limit is None:
            return DTPHandler.handle_read(self)
        room = limit - self.tot_bytes_received
        if room > 0:
            chunk = self.recv(min(room, self.ac_in_buffer_size))
            self.tot_bytes_received += len(chunk)
            if not chunk:
                self.transfer_finished = True
                return
            self.file_obj.write(chunk)
            return
        if self.cut_after is not None:
            self._resp = ("426 Connection closed; transfer aborted.", logging.info)
            self.close()
        else:
            # Keep the connection open and read nothing more: the sender's window fills up.
            self.modify_ioloop_events(0)
            if self._idler is not None:
                self._idler.cancel()

    handle_read_event = handle_read  # the I/O loop calls this name


class RatedDTPHandler(ScaleDTPHandler, ThrottledDTPHandler):
    """A data connection that takes at most read_limit bytes a second, evenly: after each chunk it
    pauses for as long as the chunk takes at that rate (pyftpdlib's own throttle lets a whole second's
    worth through at once and then sleeps). Its receive buffer is small, as a scale's is, so that the
    sender's bytes are acknowledged at that pace instead of piling up in the buffer."""

    receive_buffer = 16384

    def __init__(self, sock, cmd_channel):
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, self.receive_buffer)
        super().__init__(sock, cmd_channel)

    def _throttle_bandwidth(self, len_chunk, max_speed):
        now = time.monotonic()
        self._timenext = max(self._timenext, now) + len_chunk / max_speed
        if self._timenext > now and self.connected:
            def unsleep():
                self._throttler = None
                if self.connected:
                    self.add_channel(events=self.ioloop.READ)

            self.del_channel()
            self._cancel_throttler()
            self._throttler = self.ioloop.call_later(self._timenext - now, unsleep, _errback=self.handle_error)


class ScaleHandler(FTPHandler):
    refuse_stores = 0  # how many stores are still to be refused; -1: all of them
    command_log = None
    connect_back = True  # False: PORT is accepted but the data connection is never opened
    truncate_stored = None  # keep only this many bytes of each stored file, still answering 226
    knows_size = True  # False: SIZE is answered as an unknown command

    def ftp_PORT(self, line):
        if ScaleHandler.connect_back:
            return FTPHandler.ftp_PORT(self, line)
        self.respond("200 Active data connection established.")
        return None

    def ftp_SIZE(self, path):
        if ScaleHandler.knows_size:
            return FTPHandler.ftp_SIZE(self, path)
        self.respond('502 Command "SIZE" not implemented.')
        return None

    def on_file_received(self, file):
        # The 226 has gone out already; the client's next command is read only after this returns.
        if ScaleHandler.truncate_stored is not None and os.path.getsize(file) > ScaleHandler.truncate_stored:
            os.truncate(file, ScaleHandler.truncate_stored)

    def pre_process_command(self, line, cmd, arg):
        if self.command_log is not None:
            shown = "PASS ******" if cmd == "PASS" else line
            with open(self.command_log, "a", encoding="utf-8", errors="surrogateescape") as log:
                log.write(shown + "\n")
        return FTPHandler.pre_process_command(self, line, cmd, arg)

    def ftp_STOR(self, file, mode="w"):
        if ScaleHandler.refuse_stores != 0:
            if ScaleHandler.refuse_stores > 0:
                ScaleHandler.refuse_stores -= 1
            self.respond("550 Cannot store the file.")
            return None
        return FTPHandler.ftp_STOR(self, file, mode)


def announce_ready(ready_file):
    print("ready", flush=True)
    if ready_file:
        with open(ready_file + ".tmp", "w") as f:
            f.write("ready\n")
        os.replace(ready_file + ".tmp", ready_file)


def serve_silent(address, port, ready_file):
    """Accepts every connection and never sends a byte, not even the greeting."""
    listener = socket.create_server((address, port), backlog=16)
    announce_ready(ready_file)
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def serve_no_accept(address, port, ready_file):
    """Listens but never accepts: the one place of a backlog of 0 is taken by a connection from the
    listener's own address, so the SYNs of every later connect are dropped and it never completes."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((address, port))
    listener.listen(0)
    filler = socket.create_connection((address, port), timeout=5)
    announce_ready(ready_file)
    while filler:
        time.sleep(3600)


def serve_ftp(options):
    authorizer = RefusingAuthorizer() if options.refuse_login else DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, options.root, perm="elradfmwMT")

    ScaleDTPHandler.cut_after = options.cut_after
    ScaleDTPHandler.stall_after = options.stall_after
    if options.refuse_store:
        ScaleHandler.refuse_stores = options.refuse_store_count if options.refuse_store_count else -1
    ScaleHandler.command_log = options.command_log
    ScaleHandler.connect_back = not options.no_connect_back
    ScaleHandler.truncate_stored = options.truncate_stored
    ScaleHandler.knows_size = not options.no_size
    ScaleHandler.authorizer = authorizer
    ScaleHandler.abstracted_fs = ScaleFilesystem
    ScaleHandler.dtp_handler = ScaleDTPHandler
    if options.rate:
        RatedDTPHandler.read_limit = options.rate * 1024
        ScaleHandler.dtp_handler = RatedDTPHandler
    ScaleHandler.banner = "Scale FTP server ready."
    ScaleHandler.auth_failed_timeout = 0  # refuse a login at once

    server = FTPServer((options.address, options.port), ScaleHandler)
    announce_ready(options.ready_file)
    server.serve_forever(handle_exit=False)


def main():
    parser = argparse.ArgumentParser(description="The simulated scale's FTP server.")
    parser.add_argument("--address", default="127.0.0.1", help="address to listen on")
    parser.add_argument("--port", type=int, default=21)
    parser.add_argument("--root", default=".", help="folder that receives the stored files")
    parser.add_argument("--ready-file", help="written once the server listens")
    parser.add_argument("--command-log", help="every command received is appended here")
    parser.add_argument("--refuse-login", action="store_true", help="answer every login with 530")
    parser.add_argument("--refuse-store", action="store_true", help="answer STOR with 550")
    parser.add_argument("--refuse-store-count", type=int, default=0,
                        help="with --refuse-store: refuse only the first N stores")
    parser.add_argument("--cut-after", type=int, help="close the data connection after N bytes")
    parser.add_argument("--stall-after", type=int, help="stop reading the data connection after N bytes")
    parser.add_argument("--truncate-stored", type=int,
                        help="keep only the first N bytes of every stored file, yet answer the store with 226")
    parser.add_argument("--rate", type=int, metavar="KBPS",
                        help="take stored files at most this many KB (1024 bytes) a second")
    parser.add_argument("--no-size", action="store_true", help="answer SIZE with 502, as a scale that does not know it")
    parser.add_argument("--silent", action="store_true", help="accept connections, never answer")
    parser.add_argument("--no-accept", action="store_true", help="never accept a connection")
    parser.add_argument("--no-connect-back", action="store_true",
                        help="accept PORT but never open the data connection (active mode)")
    parser.add_argument("--verbose", action="store_true", help="log the FTP conversation to stderr")
    options = parser.parse_args()

    logging.basicConfig(level=logging.DEBUG if options.verbose else logging.WARNING,
                        format="scale-sim %(message)s")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))

    if options.silent:
        serve_silent(options.address, options.port, options.ready_file)
    elif options.no_accept:
        serve_no_accept(options.address, options.port, options.ready_file)
    else:
        os.makedirs(options.root, exist_ok=True)
        serve_ftp(options)


if __name__ == "__main__":
    main()
