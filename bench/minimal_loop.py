#!/usr/bin/env python3
"""The smallest program that reads (or writes) the whole radio: blocking reads of exactly the
reply's length, no log, no checks beyond the lengths. The yardstick for the link's own cost:
bench/link_bench.sh runs it and mv52ctl against the same simulated radio.

With --clear it also clears the line's buffers before every request, as the protocol asks of
the program (one more system call per round trip).

Usage: minimal_loop.py DEVICE read|write [--clear]
"""
import os
import sys
import termios
import tty

BLOCKS = range(0, 23744, 16)


def read_exactly(fd, n):
    data = b""
    while len(data) < n:
        chunk = os.read(fd, n - len(data))
        if not chunk:
            raise EOFError("the radio went away")
        data += chunk
    return data


def main():
    device, operation = sys.argv[1], sys.argv[2]
    clear = "--clear" in sys.argv[3:]

    def send(frame):
        if clear:
            termios.tcflush(fd, termios.TCIOFLUSH)
        os.write(fd, frame)

    fd = os.open(device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[4] = attrs[5] = termios.B9600
    termios.tcsetattr(fd, termios.TCSANOW, attrs)

    os.write(fd, b"PROGRAM")
    read_exactly(fd, 3)
    os.write(fd, b"\x02")
    read_exactly(fd, 16)
    if operation == "read":
        for address in BLOCKS:
            send(bytes((0x52, address >> 8, address & 0xFF, 16)))
            read_exactly(fd, 22)
    else:
        data = bytes(16)
        for address in BLOCKS:
            body = bytes((address >> 8, address & 0xFF, 16)) + data
            send(b"W" + body + bytes((sum(body) & 0xFF, 6)))
            read_exactly(fd, 1)
    os.write(fd, b"END")
    read_exactly(fd, 1)
    os.close(fd)


if __name__ == "__main__":
    main()
