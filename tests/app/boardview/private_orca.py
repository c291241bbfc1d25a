#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Orca as its own launcher does, with the same arguments, except that it neither
# looks for other Orca processes of the user by name nor ends them (its --replace kills
# every one), and keeps its own process name: a developer's Orca beside the check is
# neither touched nor a reason for this one to refuse to start.
#   private_orca.py [ORCA OPTIONS]
import shutil
import sys

launcher = shutil.which("orca")
if launcher is None:
    sys.exit("private_orca.py: orca is not installed")
with open(launcher, encoding="utf-8") as source:
    code = compile(source.read(), launcher, "exec")
namespace = {"__name__": "private_orca", "__file__": launcher}
exec(code, namespace)
namespace["otherOrcas"] = lambda: []
namespace["setProcessName"] = lambda name: None
sys.argv = [launcher] + sys.argv[1:]
sys.exit(namespace["main"]())
