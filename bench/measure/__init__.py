"""The benchmark's tools, one module each; bench.py puts them together."""
