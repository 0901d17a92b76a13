#!/usr/bin/env python3
"""Stands in for a network line printer (raw port): appends every connection's bytes to a file.

usage: raw_listener.py OUTFILE PORTFILE   (the chosen port is written to PORTFILE once listening)
"""
import socket
import sys

out_path, port_path = sys.argv[1], sys.argv[2]
server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
server.bind(("127.0.0.1", 0))
server.listen(4)
with open(port_path + ".tmp", "w") as f:
    f.write(str(server.getsockname()[1]))
import os
os.rename(port_path + ".tmp", port_path)
while True:
    conn, _ = server.accept()
    data = bytearray()
    while True:
        chunk = conn.recv(65536)
        if not chunk:
            break
        data += chunk
    conn.close()
    with open(out_path, "ab") as f:
        f.write(data)
    # The job is complete once its bytes are in the file.
    with open(out_path + ".jobs", "a") as f:
        f.write("%d\n" % len(data))
