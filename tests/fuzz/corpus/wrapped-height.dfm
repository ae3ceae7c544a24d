object Or:ro
object e:TWbPage object s: TWbPanel Height = 2147483647end object e1:TWbPage end end
end