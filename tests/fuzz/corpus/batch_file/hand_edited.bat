@echo off
rem comment
:: another
  @@ netsh int ip show config
netsh int ip set dns name="A & B" source=dhcp & del xmore
%PATH%
"C:\Program Files\x.exe" /a ^| b
set x=1
	
"unclosed quote & b