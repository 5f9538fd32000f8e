// Peary's Arctic: the crossing of northern Greenland, the farthest north of
// 1906 and the march from Cape Columbia towards the Pole in 1909.
export default {
  title: 'Robert Edwin Peary',
  subtitle: '1856–1920',
  projection: {
    type: 'azimuthalEquidistant',
    rotate: [55, -90, 0],
    fit: [[-85, 76.5], [-67, 77.2], [-25, 78], [-20, 82], [10, 88], [-110, 86], [120, 88.8]],
  },
  pad: 6,
  routes: [
    { color: '#1f5fa8', width: 2.6, points: [[-67, 77.7], [-60, 79], [-52, 80.5], [-43, 81.4], [-34, 81.6]], arrows: [2] },
    { color: '#7f8c8d', width: 2.6, dashed: true, points: [[-72.7, 78.3], [-71, 79.5], [-66, 81], [-62, 82.2], [-61.4, 82.45]], arrows: [2] },
    { color: '#e67e22', dashed: true, points: [[-64.6, 82.9], [-58, 85], [-50, 87.1], [-44, 85], [-40, 83.5]], arrows: [1, 2] },
    { color: '#c0392b', points: [[-61.4, 82.45], [-70.5, 83.1], [-70, 86], [-70, 88], [-70, 89.7]], arrows: [2] },
  ],
  places: [
    { name: 'Biegun Północny\n(6 IV 1909?)', at: [0, 90], pos: 'e', kind: 'star' },
    { name: 'Przylądek\nColumbia', at: [-70.5, 83.1], pos: 'w' },
    { name: 'Przylądek\nSheridan', at: [-61.4, 82.45], pos: 'se' },
    { name: 'Etah', at: [-72.7, 78.3], pos: 'w' },
    { name: '87°06′ (1906)', at: [-50, 87.1], pos: 'e' },
    { name: 'Fiord\nNiepodległości', at: [-34, 81.6], pos: 'e' },
    { name: 'Grenlandia', at: [-38, 78.8], kind: 'area' },
    { name: 'Wyspa\nEllesmere’a', at: [-82, 79.5], kind: 'area' },
  ],
  seaLabels: [{ name: 'Ocean Arktyczny', at: [-115, 87.2], size: 12 }],
  legend: [
    { color: '#1f5fa8', text: 'przez lądolód Grenlandii (1892)' },
    { color: '#e67e22', dashed: true, text: 'najdalej na północ (1906)' },
    { color: '#7f8c8d', dashed: true, text: 'rejs statku Roosevelt (1908)' },
    { color: '#c0392b', text: 'marsz ku biegunowi (1909)' },
  ],
};
