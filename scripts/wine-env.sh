# Shared by the run command and the end-to-end tests (sourced, not run). Every Windows program is started inside
# a private network namespace by the callers: nothing it does can leave the machine.
export WINEDEBUG=-all
# No offers to download Mono or Gecko; a netsh.exe of our own in the system folder runs in place of Wine's builtin one
# (which is used as before where there is none).
export WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n,b"
export WINEARCH=win64

# make_prefix DIR URL_LOG: a new Wine prefix with a virtual desktop (taskbar and tray) and a browser launcher that
# only writes the addresses it is given into URL_LOG.
make_prefix() {
  local prefix="$1" url_log="$2"
  local browser="$prefix/log-url.sh"
  WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1
  mkdir -p "$(dirname "$url_log")"
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$url_log" > "$browser"
  chmod +x "$browser"
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w
}

# add_demo_adapters PREFIX: two adapters as Windows lists them in the registry, so that the run command shows the
# whole flow (pick an adapter, save a profile, apply it). Wine's own netsh changes nothing on this machine.
add_demo_adapters() {
  local adapters='HKLM\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\Adapters'
  local network='HKLM\SYSTEM\CurrentControlSet\Control\Network\{4D36E972-E325-11CE-BFC1-08002BE10318}'
  local interfaces='HKLM\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\Interfaces'
  local key name
  for pair in '{8A1D2C40-0001-4E5B-9C1A-1D2E3F405060}=Local Area Connection' \
              '{8A1D2C40-0002-4E5B-9C1A-1D2E3F405060}=Wireless Network Connection'; do
    key="${pair%%=*}" name="${pair#*=}"
    WINEPREFIX="$1" wine reg add "$adapters\\$key" /f >/dev/null 2>&1 || return 1
    WINEPREFIX="$1" wine reg add "$network\\$key\\Connection" /v Name /d "$name" /f >/dev/null 2>&1 || return 1
  done
  key='{8A1D2C40-0001-4E5B-9C1A-1D2E3F405060}'
  WINEPREFIX="$1" wine reg add "$interfaces\\$key" /v IPAddress /t REG_MULTI_SZ /d 192.168.1.20 /f >/dev/null 2>&1
  WINEPREFIX="$1" wine reg add "$interfaces\\$key" /v SubnetMask /t REG_MULTI_SZ /d 255.255.255.0 /f >/dev/null 2>&1
  WINEPREFIX="$1" wine reg add "$interfaces\\$key" /v DefaultGateway /t REG_MULTI_SZ /d 192.168.1.1 /f >/dev/null 2>&1
  WINEPREFIX="$1" wine reg add "$interfaces\\$key" /v NameServer /d 192.168.1.1,192.168.1.2 /f >/dev/null 2>&1
  WINEPREFIX="$1" wine reg add "$interfaces\\{8A1D2C40-0002-4E5B-9C1A-1D2E3F405060}" /v EnableDHCP /t REG_DWORD \
    /d 1 /f >/dev/null 2>&1
  WINEPREFIX="$1" wineserver -w
}

# start_xvfb: starts a virtual display on a free number and exports DISPLAY; XVFB_PID names the server.
start_xvfb() {
  local fdfile
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local waited=0
  while [ ! -s "$fdfile" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# unix_to_windows PATH: the path as Wine's programs see it (the Z: drive maps the Linux root).
unix_to_windows() {
  printf 'Z:%s' "${1//\//\\}"
}
