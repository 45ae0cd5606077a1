#!/usr/bin/python3
# A FUSE file system that never answers a look inside it, as a network mount whose server is
# gone: its root can be found, every other request waits for ever. Usage: stalled_mount.py FOLDER
import stat
import sys
import threading

from fusepy import FUSE, Operations


class Stalled(Operations):
    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
        threading.Event().wait()

    def readdir(self, path, fh):
        threading.Event().wait()

    def statfs(self, path):
        threading.Event().wait()


FUSE(Stalled(), sys.argv[1], foreground=True, nothreads=False, fsname="stalled",
     subtype="s3fs")
